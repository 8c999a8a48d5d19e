#include "services/dialogs/CTextFileDlg.h"

#include "services/dialogs/FilePreviewWnd.h"
#include "services/dialogs/PreviewColumn.h"
#include "services/language/ProgramLanguage.h"
#include "services/picture/QtText.h"
#include "services/store/SettingsStore.h"
#include "services/text/TextCodec.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>

#include <algorithm>

namespace
{

const QString kSection = QStringLiteral("TextFileDlg");
// Right of the list: 8 pixels apart, 187 wide, 204 high.
constexpr int kPaneWidth = 187;
// What the preview column adds to the dialog's width.
constexpr int kExtraWidth = 195;
constexpr int kPaneHeight = 204;

QComboBox* MakeList(QWidget* parent, const char* name)
{
    auto* list = new QComboBox(parent);
    list->setObjectName(QLatin1String(name));
    list->setEditable(false);
    return list;
}

// A stored position outside the list selects the first item.
int ValidPosition(int stored, int count)
{
    return (stored >= 0 && stored < count) ? stored : 0;
}

// The list position a user who never chose starts at. In Japanese, the
// first item, as always (Shift-JIS, CR+LF). In English a page is UTF-8 with
// LF line ends far more likely than anything else, and Shift-JIS shows as
// garbage in it, so those come first, where there is no automatic item.
int FirstChoice(const QComboBox* list, int englishCode, bool hasAutoItem)
{
    if (hasAutoItem || ProgramLanguage::Current() != Language::English)
        return 0;
    return std::max(0, list->findData(englishCode));
}

int CodeOf(const QComboBox* list)
{
    return list->currentIndex() < 0 ? -1 : list->currentData().toInt();
}

} // namespace

CTextFileDlg::Options CTextFileDlg::Options::SavingHtmlSource()
{
    Options o;
    o.showLineEnds = true;
    o.lineEndAutoItem = false;
    o.encodingAutoItem = false;
    o.preview = false;
    o.singleUtf16Item = false;
    o.singleUtf8Item = false;
    o.open = false;
    return o;
}

CTextFileDlg::Options CTextFileDlg::Options::OpeningHtmlFile()
{
    Options o;
    o.showLineEnds = false;
    return o;
}

CTextFileDlg::CTextFileDlg(SettingsStore& store, const Options& options, QWidget* parent)
    : ProgramFileDialog(options.open ? Open : Save, parent), m_store(store), m_options(options)
{
    BuildControls();
    LoadChoices();
    // The open dialog's preview column comes on top of the list's width.
    if (m_options.preview)
        resize(width() + kExtraWidth, height());
    connect(this, &QFileDialog::currentChanged, this, &CTextFileDlg::OnCurrentChanged);
}

void CTextFileDlg::BuildControls()
{
    m_preview = new PreviewColumn(this, QSize(kPaneWidth, kPaneHeight));
    AddSideColumn(m_preview->Check(), m_preview->Pane());
    m_preview->SetVisible(m_options.preview);

    m_encodingLabel = new QLabel(tr("文字エンコード(&J):"), this);
    m_encodingLabel->setObjectName(QStringLiteral("encodingLabel"));
    m_encodingCombo = MakeList(this, "encodingCombo");
    m_encodingLabel->setBuddy(m_encodingCombo);
    AddRow(m_encodingLabel, m_encodingCombo);
    FillEncodings();

    m_lineEndLabel = new QLabel(tr("改行コード(&L):"), this);
    m_lineEndLabel->setObjectName(QStringLiteral("lineEndLabel"));
    m_lineEndCombo = MakeList(this, "lineEndCombo");
    m_lineEndLabel->setBuddy(m_lineEndCombo);
    AddRow(m_lineEndLabel, m_lineEndCombo);
    FillLineEnds();
    m_lineEndLabel->setVisible(m_options.showLineEnds);
    m_lineEndCombo->setVisible(m_options.showLineEnds);
}

void CTextFileDlg::FillEncodings()
{
    QComboBox* list = m_encodingCombo;
    if (m_options.encodingAutoItem)
        list->addItem(tr("自動選択"), EncodingAuto);
    list->addItem(tr("ShiftJIS"), EncodingShiftJis);
    list->addItem(tr("JIS"), EncodingJis);
    list->addItem(tr("EUC"), EncodingEucJp);
    if (m_options.singleUtf8Item) {
        list->addItem(tr("UTF-8"), EncodingUtf8);
    } else {
        list->addItem(tr("UTF-8 (シグニチャコード無し)"), EncodingUtf8);
        list->addItem(tr("UTF-8 (シグニチャコード有り)"), EncodingUtf8Signature);
    }
    if (m_options.singleUtf16Item) {
        list->addItem(tr("UTF-16"), EncodingUtf16Le);
    } else {
        list->addItem(tr("UTF-16 (Little-Endian)"), EncodingUtf16Le);
        list->addItem(tr("UTF-16 (Big-Endian)"), EncodingUtf16Be);
    }
}

void CTextFileDlg::FillLineEnds()
{
    QComboBox* list = m_lineEndCombo;
    if (m_options.lineEndAutoItem)
        list->addItem(tr("自動"), LineEndAuto);
    list->addItem(tr("CR+LF (Windows)"), LineEndCrLf);
    list->addItem(tr("LF (UNIX)"), LineEndLf);
    list->addItem(tr("CR (Macintosh)"), LineEndCr);
}

QString CTextFileDlg::EncodingValue() const
{
    return m_options.open ? QStringLiteral("iJCode_Auto") : QStringLiteral("iJCode");
}

QString CTextFileDlg::LineEndValue() const
{
    return m_options.open ? QStringLiteral("iLF_Auto") : QStringLiteral("iLF");
}

void CTextFileDlg::LoadChoices()
{
    m_preview->Check()->setChecked(m_store.ReadInt(kSection, QStringLiteral("Preview"), 1) != 0);
    const int encoding = FirstChoice(m_encodingCombo, EncodingUtf8, m_options.encodingAutoItem);
    const int lineEnd = FirstChoice(m_lineEndCombo, LineEndLf, m_options.lineEndAutoItem);
    m_encodingCombo->setCurrentIndex(
        ValidPosition(m_store.ReadInt(kSection, EncodingValue(), encoding), m_encodingCombo->count()));
    m_lineEndCombo->setCurrentIndex(
        ValidPosition(m_store.ReadInt(kSection, LineEndValue(), lineEnd), m_lineEndCombo->count()));
}

void CTextFileDlg::OnCurrentChanged(const QString& path)
{
    if (m_options.preview)
        m_preview->SetCurrent(path);
}

void CTextFileDlg::done(int result)
{
    m_store.WriteInt(kSection, QStringLiteral("Preview"), m_preview->Check()->isChecked() ? 1 : 0);
    m_store.WriteInt(kSection, EncodingValue(), m_encodingCombo->currentIndex());
    m_store.WriteInt(kSection, LineEndValue(), m_lineEndCombo->currentIndex());
    m_encodingCode = CodeOf(m_encodingCombo);
    m_lineEndCode = CodeOf(m_lineEndCombo);
    ProgramFileDialog::done(result);
}

FilePreviewWnd* CTextFileDlg::Preview() const
{
    return m_preview->Pane();
}
