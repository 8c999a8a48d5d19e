#include "app/CPrpIni.h"

#include "services/settings/AppSettings.h"

#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

CPrpIni::CPrpIni(SettingsStore& store, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Zephyrmap ! の設定"));
    m_sheet = new QTabWidget(this);
    m_sheet->setObjectName(QStringLiteral("sheet"));
    m_brows = new CPrpIniBrows(m_sheet);
    m_brows->setObjectName(QStringLiteral("browsPage"));
    m_view = new CPrpIniView(store, m_sheet);
    m_view->setObjectName(QStringLiteral("viewPage"));
    m_sheet->addTab(m_brows, CPrpIniBrows::Caption());
    m_sheet->addTab(m_view, CPrpIniView::Caption());

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("buttonBox"));
    buttons->button(QDialogButtonBox::Ok)->setText(tr("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("キャンセル"));
    connect(buttons, &QDialogButtonBox::accepted, this, &CPrpIni::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CPrpIni::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_sheet);
    layout->addWidget(buttons);
}

void CPrpIni::accept()
{
    m_confirmedBrows = m_brows->ReadFields();
    QDialog::accept();
}

void CPrpIni::done(int result)
{
    m_view->SaveCustomColors();
    QDialog::done(result);
}

QString CPrpIni::DefaultLastLaterMessage()
{
    return tr("\"デフォルトエリアを自動的に最後尾に配置する\"設定は、\r\n"
              "次回Zephyrnap!を起動した時から有効になります。");
}

CPrpIniBrows::Fields CPrpIni::BrowsFieldsOf(const AppSettings& s)
{
    CPrpIniBrows::Fields f;
    f.browser = s.Browser;
    f.editor = s.Editor;
    f.imgApp = s.IMG_App;
    f.htmlApp = s.HTML_App;
    f.imgAppDefault = s.IMG_App_default;
    f.htmlAppDefault = s.HTML_App_default;
    f.htmlEditor = s.HTML_Editor;
    f.imgEditor = s.IMG_Editor;
    return f;
}

CPrpIniView::Fields CPrpIni::ViewFieldsOf(const AppSettings& s)
{
    CPrpIniView::Fields f;
    f.bgColor = s.Bgcolor;
    f.outlineColor = s.OutlineColor;
    f.hatchColor = s.HatchColor;
    f.hatching = s.Hatching;
    f.tagCase = (s.HtmlOption & kLowerCaseTags) ? 1 : 0;
    f.rectKeyword = (s.HtmlOption & kRectKeywordLong) ? 1 : 0;
    f.circKeyword = (s.HtmlOption & kCircKeywordLong) ? 1 : 0;
    f.polyKeyword = (s.HtmlOption & kPolyKeywordLong) ? 1 : 0;
    f.keepOtherCase = (s.HtmlOption & kKeepOtherAttrsCase) ? 1 : 0;
    // Both indent bits set reads as spaces; confirming then keeps only that bit.
    f.indentMode = (s.HtmlOption & kIndentSpaces) ? 1 : (s.HtmlOption & kIndentTabs) ? 2 : 0;
    f.indentAmount = s.nIndentSpace;
    f.defaultAreaLast = s.DEFAULTArea_Tail;
    f.omitInPageFileName = s.OmitInPageLinkFileName;
    f.traceTolerance = s.nTraceTolerance;
    f.traceSimplify = s.nTraceSimplify;
    f.gridSpacing = s.GridSpacing;
    f.gridColor = s.GridColor;
    f.language = s.Language;
    return f;
}

bool CPrpIni::Apply(const CPrpIniBrows::Fields& b, const CPrpIniView::Fields& v, AppSettings& s)
{
    s.Browser = b.browser;
    s.Editor = b.editor;
    s.IMG_App = b.imgApp;
    s.HTML_App = b.htmlApp;
    s.IMG_App_default = b.imgAppDefault;
    s.HTML_App_default = b.htmlAppDefault;
    s.HTML_Editor = b.htmlEditor;
    s.IMG_Editor = b.imgEditor;
    s.Bgcolor = v.bgColor;
    s.OutlineColor = v.outlineColor;
    s.HatchColor = v.hatchColor;
    s.Hatching = v.hatching;

    std::uint32_t option = 0;
    if (v.tagCase == 1)
        option |= kLowerCaseTags;
    if (v.rectKeyword == 1)
        option |= kRectKeywordLong;
    if (v.circKeyword == 1)
        option |= kCircKeywordLong;
    if (v.polyKeyword == 1)
        option |= kPolyKeywordLong;
    if (v.keepOtherCase)
        option |= kKeepOtherAttrsCase;
    if (v.indentMode == 1)
        option |= kIndentSpaces;
    else if (v.indentMode == 2)
        option |= kIndentTabs;
    s.HtmlOption = option;
    s.nIndentSpace = v.indentAmount;

    // Turning the DEFAULT-last rule off applies at once; turning it on only
    // from the next start, so the open map keeps its order meanwhile.
    const int wasOn = s.DEFAULTArea_Tail;
    s.DEFAULTArea_Tail = v.defaultAreaLast;
    s.OmitInPageLinkFileName = v.omitInPageFileName;
    s.nTraceTolerance = v.traceTolerance;
    s.nTraceSimplify = v.traceSimplify;
    s.GridSpacing = v.gridSpacing;
    s.GridColor = v.gridColor;
    s.Language = v.language;
    if (v.defaultAreaLast == 0) {
        s.DefaultAreaTailInEffect = 0;
        return false;
    }
    return wasOn == 0;
}

bool CPrpIni::Run(AppSettings& settings, SettingsStore& store, QWidget* parent, bool& displayChanged)
{
    displayChanged = false;
    CPrpIni sheet(store, parent);
    sheet.BrowsPage()->SetFields(BrowsFieldsOf(settings));
    sheet.ViewPage()->SetFields(ViewFieldsOf(settings));
    if (sheet.exec() != QDialog::Accepted || !sheet.m_confirmedBrows)
        return false;
    if (Apply(*sheet.m_confirmedBrows, sheet.ViewPage()->ReadFields(), settings)) {
        QMessageBox later(QMessageBox::Information, QStringLiteral("Zephyr Map"), DefaultLastLaterMessage(),
                          QMessageBox::Ok);
        later.exec();
    }
    displayChanged = sheet.ViewPage()->DisplayChanged();
    return true;
}
