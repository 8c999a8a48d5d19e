#include "panes/CMapChoiceDlg.h"

#include "services/picture/QtText.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace
{

constexpr int kRowsShown = 12;

// Two lines: the maps found, and what to do.
const char kPrompt[] =
    QT_TRANSLATE_NOOP("CMapChoiceDlg", "このHTMLには、複数のクリッカブルマップが定義されています。\n"
                                       "Zephyrmap!で編集するマップを下のリストから選択してください。");

} // namespace

CMapChoiceDlg::CMapChoiceDlg(const std::vector<FoundMap>& maps, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("マップの選択"));
    auto* prompt = new QLabel(tr(kPrompt), this);
    prompt->setObjectName(QStringLiteral("promptLabel"));
    m_list = new QTableWidget(this);
    m_list->setObjectName(QStringLiteral("mapList"));
    m_list->setShowGrid(true);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->verticalHeader()->hide();
    m_list->horizontalHeader()->setStretchLastSection(false);
    m_list->setColumnCount(2);
    m_list->setHorizontalHeaderLabels({tr("マップの名前"), tr("画像")});
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("buttonBox"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("キャンセル"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_list, &QTableWidget::cellDoubleClicked, this, &QDialog::accept); // as a list's row is taken

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(m_list);
    layout->addWidget(buttons);
    FillList(maps);
}

void CMapChoiceDlg::FillList(const std::vector<FoundMap>& maps)
{
    m_list->setRowCount(static_cast<int>(maps.size()));
    for (int row = 0; row < static_cast<int>(maps.size()); ++row) {
        m_list->setItem(row, 0, new QTableWidgetItem(ToQString(maps[row].mapName)));
        m_list->setItem(row, 1, new QTableWidgetItem(ToQString(maps[row].picture)));
    }
    if (!maps.empty())
        m_list->selectRow(0);
    // Room for every row up to a dozen, so that a page's maps are seen at a glance.
    const int shown = std::min(static_cast<int>(maps.size()), kRowsShown);
    const int height = m_list->horizontalHeader()->sizeHint().height() +
                       shown * m_list->verticalHeader()->defaultSectionSize() + 2 * m_list->frameWidth();
    m_list->setMinimumHeight(std::max(height, m_list->minimumSizeHint().height()));
}

void CMapChoiceDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // The name takes a third of the list, the picture two thirds.
    const int width = m_list->viewport()->width();
    m_list->setColumnWidth(0, width / 3);
    m_list->setColumnWidth(1, width * 2 / 3);
}

void CMapChoiceDlg::done(int result)
{
    m_chosen = -1;
    if (result == QDialog::Accepted) {
        const QModelIndexList rows = m_list->selectionModel()->selectedRows();
        if (!rows.isEmpty())
            m_chosen = rows.first().row();
    }
    QDialog::done(result);
}

int CMapChoiceDlg::ChooseMap(const std::vector<FoundMap>& maps, QWidget* parent)
{
    CMapChoiceDlg dlg(maps, parent);
    dlg.exec();
    return dlg.ChosenIndex();
}
