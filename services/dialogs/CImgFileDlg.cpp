#include "services/dialogs/CImgFileDlg.h"

#include "services/dialogs/FilePreviewWnd.h"
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
    setLabelText(QFileDialog::Accept, QStringLiteral("OK"));
    BuildControls();
    m_previewCheck->setChecked(m_store.ReadInt(kSection, kPreviewValue, 1) != 0);
    m_relativeAuto->setChecked(m_store.ReadInt(kSection, kRelativeValue, 1) != 0);
    connect(this, &QFileDialog::currentChanged, this, &CImgFileDlg::OnCurrentChanged);
    connect(m_previewCheck, &QCheckBox::clicked, this, &CImgFileDlg::OnPreviewClicked);
    connect(m_relativeAuto, &QCheckBox::clicked, this, &CImgFileDlg::OnRelativeAutoClicked);
}

void CImgFileDlg::BuildControls()
{
    m_previewCheck = new QCheckBox(QStringLiteral("プレビュー"), this);
    m_previewCheck->setObjectName(QStringLiteral("previewCheck"));
    m_preview = new FilePreviewWnd(PreviewStyle(), this);
    m_preview->setObjectName(QStringLiteral("previewPane"));
    m_preview->setFixedSize(kPaneWidth, kPaneHeight);
    AddSideColumn(m_previewCheck, m_preview);

    m_relativeLabel = new QLabel(QStringLiteral("相対パス(&P):"), this);
    m_relativeLabel->setObjectName(QStringLiteral("relativePathLabel"));
    auto* field = new QWidget(this);
    auto* row = new QHBoxLayout(field);
    row->setContentsMargins(0, 0, 0, 0);
    m_relativeEdit = new QLineEdit(field);
    m_relativeEdit->setObjectName(QStringLiteral("relativePathEdit"));
    m_relativeAuto = new QCheckBox(QStringLiteral("自動的に付加"), field);
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
    m_current = path;
    bool lossless = false;
    const std::string program = FromQString(QDir::toNativeSeparators(path), &lossless);
    m_lastRelative = (lossless && !m_basePath.empty()) ? paths::RelativeDirectory(m_basePath, program) : std::string();
    if (m_relativeAuto->isChecked())
        m_relativeEdit->setText(ToQString(m_lastRelative));
    // A name the program cannot hold is not previewed.
    if (m_previewCheck->isChecked())
        m_preview->SetFile(lossless ? program : std::string());
}

void CImgFileDlg::OnPreviewClicked(bool on)
{
    if (on)
        OnCurrentChanged(m_current);
    else
        m_preview->SetFile(std::string());
}

void CImgFileDlg::OnRelativeAutoClicked(bool on)
{
    m_relativeEdit->setText(on ? ToQString(m_lastRelative) : QString());
}

void CImgFileDlg::done(int result)
{
    m_store.WriteInt(kSection, kPreviewValue, m_previewCheck->isChecked() ? 1 : 0);
    m_store.WriteInt(kSection, kRelativeValue, m_relativeAuto->isChecked() ? 1 : 0);
    ProgramFileDialog::done(result);
}
