#include "services/dialogs/ProgramFileDialog.h"

#include "services/dialogs/ExecutableFilterModel.h"
#include "services/dialogs/FileFilter.h"
#include "services/dialogs/PlainFileIcons.h"
#include "services/picture/QtText.h"
#include "services/store/SettingsStore.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHeaderView>
#include <QMessageBox>
#include <QTreeView>

#include <algorithm>

namespace
{

const QString kWarningCaption = QStringLiteral("Zephyrmap!");
// Qt's own grid has three columns; a side column goes in the fourth.
constexpr int kSideColumn = 3;
constexpr int kListRow = 1;
constexpr int kFirstAddedRow = 4;
// The detail list's columns after the name.
constexpr int kSizeColumn = 1;
constexpr int kTypeColumn = 2;
constexpr int kDateColumn = 3;

// One provider for every dialog, kept for the program's life: a dialog's
// folder reader may still ask it while the dialog is being torn down.
PlainFileIcons* SharedIcons()
{
    static PlainFileIcons* const icons = new PlainFileIcons;
    return icons;
}

} // namespace

ProgramFileDialog::ProgramFileDialog(Mode mode, QWidget* parent) : QFileDialog(parent), m_mode(mode)
{
    setOption(QFileDialog::DontUseNativeDialog);
    setOption(QFileDialog::HideNameFilterDetails);
    setIconProvider(SharedIcons());
    setAcceptMode(mode == Open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    setFileMode(mode == Open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (mode == Save)
        setOption(QFileDialog::DontConfirmOverwrite);
    FitDetailColumns();
}

void ProgramFileDialog::FitDetailColumns()
{
    // Qt starts the size, type and date columns as wide as "128.88 GB",
    // "mp3Folder" and a short date, which cuts "53.4 KB", "HTML document"
    // and a date with its time; they follow their contents instead.
    auto* tree = findChild<QTreeView*>(QStringLiteral("treeView"));
    if (!tree)
        return;
    for (int column : {kSizeColumn, kTypeColumn, kDateColumn})
        tree->header()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
}

void ProgramFileDialog::SetProgramFilter(const QString& programFilter)
{
    setNameFilters(filefilter::NameFilters(programFilter));
}

void ProgramFileDialog::SetFilterIndex(int filterIndex)
{
    const QStringList filters = nameFilters();
    if (!filters.isEmpty())
        selectNameFilter(filters.at(filefilter::PositionOf(filterIndex, filters.size())));
}

int ProgramFileDialog::FilterIndex() const
{
    // With the details hidden, Qt 6.4 reports the shown description rather
    // than the filter itself; the type list's position is what counts.
    int position = static_cast<int>(nameFilters().indexOf(selectedNameFilter()));
    if (const auto* types = findChild<const QComboBox*>(QStringLiteral("fileTypeCombo")))
        position = types->currentIndex();
    return filefilter::IndexOf(std::max(0, position));
}

void ProgramFileDialog::ShowExecutablesOnly()
{
    setProxyModel(new ExecutableFilterModel(this));
}

std::optional<std::string> ProgramFileDialog::Run()
{
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    return m_chosenPath;
}

std::optional<std::string> ProgramFileDialog::Pick(SettingsStore& store, const QString& key,
                                                   const QString& fallbackFolder, Remember remember)
{
    const SettingsStore::DialogStart start = store.OpenDialog(key, fallbackFolder);
    setDirectory(start.folder);
    if (remember == Remember::FolderAndFilter)
        SetFilterIndex(start.filterIndex);
    std::optional<std::string> path = Run();
    if (path) {
        const QString chosen = ToQString(*path);
        if (remember == Remember::FolderAndFilter)
            store.ConfirmDialog(key, chosen, FilterIndex());
        else
            store.RememberFolder(key, chosen);
    }
    return path;
}

QString ProgramFileDialog::MissingFolderMessage(const QString& folder)
{
    return tr("フォルダ \"%1\" が見つかりません。\r\nパスを確認してください。").arg(folder);
}

std::string ProgramFileDialog::ToProgramPath(const QString& path)
{
    return FromQString(QDir::toNativeSeparators(path));
}

QString ProgramFileDialog::AbsoluteTypedPath(const QString& typed)
{
    if (typed.isEmpty() || typed.contains(QLatin1String("://")) || QDir::isAbsolutePath(typed))
        return typed;
    return QDir::cleanPath(QDir::current().absoluteFilePath(typed));
}

void ProgramFileDialog::accept()
{
    const QString path = selectedFiles().value(0);
    const QFileInfo info(path);
    // A folder typed or chosen is entered by Qt's own accept.
    if (path.isEmpty() || info.isDir()) {
        QFileDialog::accept();
        return;
    }
    if (m_mode == Save && !info.absoluteDir().exists()) {
        QMessageBox::warning(this, kWarningCaption,
                             MissingFolderMessage(QDir::toNativeSeparators(info.absolutePath())));
        return;
    }
    QFileDialog::accept();
}

void ProgramFileDialog::done(int result)
{
    if (result == QDialog::Accepted)
        m_chosenPath = FromQString(QDir::toNativeSeparators(selectedFiles().value(0)));
    QFileDialog::done(result);
}

QGridLayout* ProgramFileDialog::ExtraGrid()
{
    if (auto* own = qobject_cast<QGridLayout*>(layout()))
        return own;
    if (!m_fallbackGrid) {
        auto* panel = new QWidget(this);
        panel->setObjectName(QStringLiteral("addedControls"));
        m_fallbackGrid = new QGridLayout(panel);
        m_fallbackGrid->setContentsMargins(0, 0, 0, 0);
        layout()->addWidget(panel);
    }
    return m_fallbackGrid;
}

void ProgramFileDialog::AddRow(QWidget* label, QWidget* field)
{
    QGridLayout* grid = ExtraGrid();
    const int row = (grid == m_fallbackGrid ? kListRow + 1 : kFirstAddedRow) + m_addedRows++;
    grid->addWidget(label, row, 0);
    grid->addWidget(field, row, 1);
}

void ProgramFileDialog::AddSideColumn(QWidget* top, QWidget* besideList)
{
    // The panel of the fallback keeps the same rows: side column first.
    QGridLayout* grid = ExtraGrid();
    grid->addWidget(top, 0, kSideColumn, Qt::AlignBottom);
    grid->addWidget(besideList, kListRow, kSideColumn, Qt::AlignTop);
}
