#include "services/dialogs/CImgFileDlg.h"

#include "services/dialogs/FilePreviewWnd.h"
#include "services/dialogs/PreviewColumn.h"
#include "services/paths/PathUtil.h"
#include "services/picture/QtText.h"
#include "services/store/SettingsStore.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

namespace
{

const QString kSection = QStringLiteral("ImgFileDlg");
const QString kPreviewValue = QStringLiteral("Preview");
const QString kRelativeValue = QStringLiteral("Relative_path");
// The pane's size on a 96 dpi screen, as the picture dialog always had it.
constexpr int kPaneWidth = 160;
constexpr int kPaneHeight = 204;

} // namespace

CImgFileDlg::CImgFileDlg(SettingsStore& store, QWidget* parent, Mode mode)
    : ProgramFileDialog(mode, parent), m_store(store)
{
    // The platform's wording would follow its language; this dialog says OK.
    setLabelText(QFileDialog::Accept, tr("OK"));
    BuildControls();
    m_preview->Check()->setChecked(m_store.ReadInt(kSection, kPreviewValue, 1) != 0);
    m_relativeAuto->setChecked(m_store.ReadInt(kSection, kRelativeValue, 1) != 0);
    connect(this, &QFileDialog::currentChanged, this, &CImgFileDlg::OnCurrentChanged);
    connect(m_relativeAuto, &QCheckBox::clicked, this, &CImgFileDlg::OnRelativeAutoClicked);
}

void CImgFileDlg::BuildControls()
{
    m_preview = new PreviewColumn(this, QSize(kPaneWidth, kPaneHeight));
    AddSideColumn(m_preview->Check(), m_preview->Pane());

    m_relativeLabel = new QLabel(tr("相対パス(&P):"), this);
    m_relativeLabel->setObjectName(QStringLiteral("relativePathLabel"));
    auto* field = new QWidget(this);
    auto* row = new QHBoxLayout(field);
    row->setContentsMargins(0, 0, 0, 0);
    m_relativeEdit = new QLineEdit(field);
    m_relativeEdit->setObjectName(QStringLiteral("relativePathEdit"));
    m_relativeAuto = new QCheckBox(tr("自動的に付加"), field);
    m_relativeAuto->setObjectName(QStringLiteral("relativePathAuto"));
    row->addWidget(m_relativeEdit);
    row->addWidget(m_relativeAuto);
    m_relativeLabel->setBuddy(m_relativeEdit);
    AddRow(m_relativeLabel, field);
}

void CImgFileDlg::SetShowRelativePath(bool show)
{
    m_showRelativePath = show;
    for (QWidget* w : std::initializer_list<QWidget*>{m_relativeLabel, m_relativeEdit, m_relativeAuto})
        w->setVisible(show);
}

void CImgFileDlg::OnCurrentChanged(const QString& path)
{
    m_preview->SetCurrent(path);
    const std::string program = FromQString(QDir::toNativeSeparators(path));
    m_lastRelative = m_basePath.empty() ? std::string() : paths::RelativeDirectory(m_basePath, program);
    if (m_relativeAuto->isChecked())
        m_relativeEdit->setText(ToQString(m_lastRelative));
}

void CImgFileDlg::OnRelativeAutoClicked(bool on)
{
    m_relativeEdit->setText(on ? ToQString(m_lastRelative) : QString());
}

void CImgFileDlg::done(int result)
{
    m_store.WriteInt(kSection, kPreviewValue, m_preview->Check()->isChecked() ? 1 : 0);
    m_store.WriteInt(kSection, kRelativeValue, m_relativeAuto->isChecked() ? 1 : 0);
    ProgramFileDialog::done(result);
}

FilePreviewWnd* CImgFileDlg::Preview() const
{
    return m_preview->Pane();
}
