// The editor walked in each of its languages: every menu (the main menu,
// the tool bar's magnification menu, the context menus), every page of the
// pane and of the settings sheet, every dialog its commands open and the
// messages they give. In English no Japanese is left; in Japanese every text
// is one of the translation's Japanese sources, so no English crept in; in
// English no two mnemonics of one menu, page or dialog share a letter.

#include "app/CAboutDlg.h"
#include "app/CRefitDlg.h"
#include "app/CSaveChangesDlg.h"
#include "panes/CHtmlDocDlg.h"
#include "panes/CMapChoiceDlg.h"
#include "panes/MapCheckPane.h"
#include "services/language/ProgramLanguage.h"
#include "tests/app/AppHarness.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabBar>
#include <QTableWidget>
#include <QToolBar>
#include <QTreeView>
#include <QTreeWidget>
#include <QXmlStreamReader>

#include <functional>

namespace
{

// One text a person reads, and where: the scope in which its mnemonic must
// be the only one of its letter.
struct Seen {
    QString scope;
    QString text;
    bool qtOwn = false; // a text of Qt's file dialog: its mnemonics count, its language is Qt's
    bool cut = false;   // shown narrower than the text needs
};
using SeenTexts = QList<Seen>;

// The parts of Qt's own file dialog, whose texts are Qt's translations.
const QStringList kQtFileDialogParts = {
    QStringLiteral("lookInLabel"),    QStringLiteral("lookInCombo"),      QStringLiteral("backButton"),
    QStringLiteral("forwardButton"),  QStringLiteral("toParentButton"),   QStringLiteral("newFolderButton"),
    QStringLiteral("listModeButton"), QStringLiteral("detailModeButton"), QStringLiteral("sidebar"),
    QStringLiteral("fileNameLabel"),  QStringLiteral("fileNameEdit"),     QStringLiteral("fileTypeLabel"),
    QStringLiteral("fileTypeCombo"),  QStringLiteral("buttonBox"),        QStringLiteral("listView"),
    QStringLiteral("treeView"),       QStringLiteral("splitter"),         QStringLiteral("frame")};

bool InsideQtFileDialog(const QWidget* widget)
{
    for (const QWidget* w = widget; w && !w->isWindow(); w = w->parentWidget()) {
        if (kQtFileDialogParts.contains(w->objectName()) && qobject_cast<const QFileDialog*>(w->window()))
            return true;
    }
    return false;
}

void Add(SeenTexts& seen, const QString& scope, const QString& text, bool qtOwn = false)
{
    if (!text.trimmed().isEmpty())
        seen.push_back({scope, text, qtOwn});
}

// The product's name, the same in every language.
bool IsProductName(const QString& text)
{
    return text == QLatin1String("Zephyrmap !") || text == QLatin1String("Zephyrmap!");
}

QString WithoutMnemonic(QString text)
{
    return text.replace(QRegularExpression(QStringLiteral("&(.)")), QStringLiteral("\\1"));
}

// A page of a tab widget is a scope of its own: only the page in front takes
// its mnemonics.
QString ScopeOf(const QWidget* widget, const QString& scope)
{
    for (const QWidget* w = widget; w && w->parentWidget(); w = w->parentWidget()) {
        const QWidget* stack = w->parentWidget();
        if (auto* tabs = qobject_cast<const QTabWidget*>(stack->parentWidget()))
            return ScopeOf(tabs, scope) + QStringLiteral(" / page ") + QString::number(tabs->indexOf(w));
    }
    return scope;
}

void CollectMenu(QMenu* menu, const QString& scope, SeenTexts& seen)
{
    for (QAction* action : menu->actions()) {
        if (action->isSeparator())
            continue;
        Add(seen, scope, action->text());
        Add(seen, QStringLiteral("status"), action->statusTip());
        if (action->menu())
            CollectMenu(action->menu(), scope + QLatin1Char('>') + action->text(), seen);
    }
}

// What the widget and its children show, in `scope`; data fields (line
// edits, editable combo boxes, list rows) are the user's, not the program's.
void Collect(QWidget* root, const QString& rootScope, SeenTexts& seen)
{
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* w : widgets) {
        const QString scope = ScopeOf(w, rootScope);
        if (InsideQtFileDialog(w)) {
            if (auto* button = qobject_cast<QAbstractButton*>(w))
                Add(seen, scope, button->text(), true);
            else if (auto* label = qobject_cast<QLabel*>(w))
                Add(seen, scope, label->text(), true);
            continue;
        }
        Add(seen, QStringLiteral("tips"), w->toolTip());
        Add(seen, QStringLiteral("tips"), w->statusTip());
        if (w->isWindow())
            Add(seen, scope, w->windowTitle());
        if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            Add(seen, scope, button->text());
            if (!button->text().isEmpty() && button->isVisible() && button->width() < button->sizeHint().width())
                seen.back().cut = true;
        } else if (auto* label = qobject_cast<QLabel*>(w)) {
            Add(seen, scope, label->text());
            if (!label->text().isEmpty() && label->isVisible() && !label->wordWrap() &&
                label->width() < label->minimumSizeHint().width())
                seen.back().cut = true;
        } else if (auto* group = qobject_cast<QGroupBox*>(w))
            Add(seen, scope, group->title());
        else if (auto* tabs = qobject_cast<QTabBar*>(w)) {
            for (int i = 0; i < tabs->count(); ++i)
                Add(seen, scope + QStringLiteral(" tabs"), tabs->tabText(i));
        } else if (auto* combo = qobject_cast<QComboBox*>(w); combo && !combo->isEditable()) {
            for (int i = 0; i < combo->count(); ++i)
                Add(seen, QStringLiteral("items"), combo->itemText(i));
        } else if (auto* spin = qobject_cast<QSpinBox*>(w))
            Add(seen, QStringLiteral("items"), spin->suffix());
        else if (auto* spin = qobject_cast<QDoubleSpinBox*>(w))
            Add(seen, QStringLiteral("items"), spin->suffix());
        else if (auto* header = qobject_cast<QHeaderView*>(w); header && header->model()) {
            for (int i = 0; i < header->count(); ++i)
                Add(seen, QStringLiteral("items"),
                    header->model()->headerData(i, header->orientation(), Qt::DisplayRole).toString());
        } else if (auto* dock = qobject_cast<QDockWidget*>(w))
            Add(seen, scope, dock->windowTitle());
    }
    if (auto* files = qobject_cast<QFileDialog*>(root)) {
        for (const QString& filter : files->nameFilters())
            Add(seen, QStringLiteral("items"), filter.left(filter.lastIndexOf(QStringLiteral(" ("))));
    }
}

// A window the walk saw, measured against the screen it was shown on.
struct ShownWindow {
    QString title;
    QSize size;
    QStringList outside; // buttons not wholly inside the window
    QStringList cut;     // columns of a file list narrower than their heading or contents
};

// The windows of the walk under way.
QList<ShownWindow>& ShownWindows()
{
    static QList<ShownWindow> windows;
    return windows;
}

// A file dialog's detail columns other than the name, as Qt first sizes
// them: each as wide as its heading and the widest entry.
QStringList CutFileColumns(QFileDialog* dialog)
{
    QStringList cut;
    auto* tree = dialog->findChild<QTreeView*>(QStringLiteral("treeView"));
    if (!tree || !tree->header() || !tree->model())
        return cut;
    QHeaderView* header = tree->header();
    for (int column = 1; column < header->count(); ++column) {
        if (header->isSectionHidden(column))
            continue;
        const int needed =
            std::max(header->sectionSizeHint(column), static_cast<QAbstractItemView*>(tree)->sizeHintForColumn(column));
        if (header->sectionSize(column) < needed)
            cut << tree->model()->headerData(column, Qt::Horizontal).toString();
    }
    return cut;
}

void RecordWindow(QWidget* window)
{
    ShownWindow shown{window->windowTitle(), window->frameGeometry().size(), {}, {}};
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        if (!button->isVisibleTo(window))
            continue;
        const QRect at(button->mapTo(window, QPoint(0, 0)), button->size());
        if (!window->rect().contains(at))
            shown.outside << button->text() + button->objectName();
    }
    if (auto* files = qobject_cast<QFileDialog*>(window))
        shown.cut = CutFileColumns(files);
    ShownWindows() << shown;
}

// Runs `open`; every modal window and pop-up menu it shows is read into
// `seen` and closed, so that commands walk their dialogs.
void ReadWindowsOf(const std::function<void()>& open, SeenTexts& seen)
{
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&seen] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            CollectMenu(menu, QStringLiteral("popup"), seen);
            menu->close();
        } else if (QWidget* modal = QApplication::activeModalWidget()) {
            RecordWindow(modal);
            Collect(modal, modal->metaObject()->className() + modal->windowTitle(), seen);
            if (auto* box = qobject_cast<QMessageBox*>(modal))
                Add(seen, QStringLiteral("message"), box->text());
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->reject();
            else
                modal->close();
        }
    });
    watcher.start(10);
    open();
    watcher.stop();
}

// The translation's Japanese sources as whole-text patterns, each cut into
// the parts widgets show: menu text and keys, prompt and tip, the names and
// patterns of a file filter. %1... stand for values.
QList<QRegularExpression> SourcePatterns()
{
    QFile ts(QStringLiteral(ZM_SOURCE_DIR "/res/translations/zephyrmap_en.ts"));
    if (!ts.open(QIODevice::ReadOnly))
        return {};
    QStringList sources;
    QXmlStreamReader xml(&ts);
    QString source;
    bool inSource = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("source")) {
            inSource = true;
            source.clear();
        } else if (xml.isEndElement() && xml.name() == QLatin1String("source")) {
            inSource = false;
            sources << source;
        } else if (inSource && xml.isStartElement() && xml.name() == QLatin1String("byte")) {
            source += QChar(xml.attributes().value(QLatin1String("value")).mid(1).toInt(nullptr, 16));
        } else if (inSource && xml.isCharacters()) {
            source += xml.text();
        }
    }
    QList<QRegularExpression> patterns;
    const QRegularExpression placeholder(QStringLiteral("%\\d"));
    for (const QString& whole : sources) {
        QStringList parts{whole};
        parts += whole.split(QRegularExpression(QStringLiteral("[\\t\\n|]|\\r\\n")), Qt::SkipEmptyParts);
        for (const QString& part : parts) {
            // A part that is only a value ("%2") would take any text.
            if (!QString(part).remove(placeholder).contains(QRegularExpression(QStringLiteral("\\p{L}"))))
                continue;
            QString pattern = QRegularExpression::escape(WithoutMnemonic(part));
            pattern.replace(QRegularExpression(QStringLiteral("\\\\?%\\d")), QStringLiteral(".*"));
            patterns << QRegularExpression(QRegularExpression::anchoredPattern(pattern),
                                           QRegularExpression::DotMatchesEverythingOption);
        }
    }
    return patterns;
}

bool HasJapanese(const QString& text)
{
    static const QRegularExpression japanese(
        QStringLiteral("[\\x{3000}-\\x{30ff}\\x{3400}-\\x{9fff}\\x{ff00}-\\x{ffef}]"));
    return text.contains(japanese);
}

bool HasLatinLetters(const QString& text)
{
    static const QRegularExpression latin(QStringLiteral("[A-Za-z]"));
    return text.contains(latin);
}

// The texts of Qt's own standard buttons in the language installed.
QStringList QtButtonTexts()
{
    QDialogButtonBox all(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Yes |
                         QDialogButtonBox::No | QDialogButtonBox::Close);
    QStringList texts;
    for (QAbstractButton* button : all.buttons())
        texts << button->text();
    return texts;
}

QChar MnemonicOf(const QString& text)
{
    QString plain = text.section(QLatin1Char('\t'), 0, 0);
    plain.replace(QStringLiteral("&&"), QString());
    const qsizetype at = plain.indexOf(QLatin1Char('&'));
    return at >= 0 && at + 1 < plain.size() ? plain.at(at + 1).toLower() : QChar();
}

// "scope: letter for 'a' and 'b'" for every letter two texts of one scope share.
QStringList MnemonicClashes(const SeenTexts& seen)
{
    QMap<QString, QMap<QChar, QStringList>> letters;
    for (const Seen& s : seen) {
        const QChar letter = MnemonicOf(s.text);
        if (!letter.isNull() && !letters[s.scope][letter].contains(s.text))
            letters[s.scope][letter] << s.text;
    }
    QStringList clashes;
    for (auto scope = letters.begin(); scope != letters.end(); ++scope) {
        for (auto letter = scope->begin(); letter != scope->end(); ++letter) {
            if (letter->size() > 1)
                clashes << scope.key() + QStringLiteral(": '") + letter.key() + QStringLiteral("' for ") +
                               letter->join(QStringLiteral(", "));
        }
    }
    return clashes;
}

// The editor in `language`, a map open with two overlapping areas, walked.
struct Walk : AppHarness {
    SeenTexts seen;

    Walk()
    {
        OpenMap();
        AddRect(10, 10, 100, 100);
        AddRect(50, 50, 150, 150);
        View().SelectAreaAt(0);
        Frame().UpdateCommandUI();
        ReadMainWindow();
        ReadContextMenus();
        ReadCommandDialogs();
        ReadPageDialogs();
        ReadOtherDialogs();
    }

    void ReadMainWindow()
    {
        for (QAction* menu : Frame().menuBar()->actions()) {
            Add(seen, QStringLiteral("menu bar"), menu->text());
            CollectMenu(menu->menu(), menu->text(), seen);
        }
        CollectMenu(&Frame().MagnificationMenu(), QStringLiteral("magnification"), seen);
        for (QAction* action : Frame().ToolBar().actions()) {
            Add(seen, QStringLiteral("tool bar"), action->iconText());
            Add(seen, QStringLiteral("tips"), action->toolTip());
        }
        Add(seen, QStringLiteral("tool bar"), Frame().ToolBar().windowTitle());
        Run(CmdCheckMap);
        Frame().CheckPane().CheckNow();
        Collect(&Frame().CheckPane(), QStringLiteral("check pane"), seen);
        for (QTreeWidgetItem* row : Frame().CheckPane().List()->findItems(QString(), Qt::MatchContains, 2))
            Add(seen, QStringLiteral("message"), row->text(2));
        // Each page with the focus inside, so that it shows every mnemonic.
        for (int tab : {0, 1}) {
            Frame().ShowTab(tab);
            QWidget* page = tab == 0 ? static_cast<QWidget*>(&MapPage()) : &AreaPage();
            page->findChild<QLineEdit*>()->setFocus();
            QApplication::processEvents();
            Collect(&Frame().Pane(), QStringLiteral("pane"), seen);
        }
        Add(seen, QStringLiteral("status"), Frame().statusBar()->currentMessage());
        for (StatusPane pane : {PaneMagnification, PaneAreaCount, PaneCoordinates})
            Add(seen, QStringLiteral("status"), Frame().StatusPaneLabel(pane).text());
    }

    void ReadContextMenus()
    {
        // Over both areas, so that the menu offers the one beneath.
        const QPoint at = View().ToLogical({60, 60}) - View().ScrollPosition();
        ReadWindowsOf(
            [&] {
                QContextMenuEvent event(QContextMenuEvent::Mouse, at, View().viewport()->mapToGlobal(at));
                QApplication::sendEvent(View().viewport(), &event);
            },
            seen);
        auto* list = AreaPage().findChild<QTableWidget*>();
        QVERIFY(list);
        ReadWindowsOf([&] { emit list->customContextMenuRequested(QPoint(5, 5)); }, seen);
    }

    void ReadCommandDialogs()
    {
        // The map is changed: a new map asks what to do with it first.
        for (int id : {CmdNewMap, CmdReplacePictureAndFit, CmdSaveHtmlSource, CmdSaveSvgSource, CmdSaveAs, CmdSettings,
                       CmdAbout})
            ReadWindowsOf([&] { Run(id); }, seen);
    }

    void ReadPageDialogs()
    {
        for (const char* button : {"ChangeHtml", "ChangePicture"})
            ReadWindowsOf([&] { MapPage().findChild<QPushButton*>(QLatin1String(button))->click(); }, seen);
        AreaPage().SelectArea(0);
        ReadWindowsOf([&] { AreaPage().findChild<QPushButton*>(QStringLiteral("Browse"))->click(); }, seen);
    }

    // Dialogs that only some pages or files bring up.
    void ReadOtherDialogs()
    {
        CSaveChangesDlg question(&Frame());
        Collect(&question, QStringLiteral("save changes"), seen);
        CHtmlDocDlg document(Store(), &Frame());
        Collect(&document, QStringLiteral("html document"), seen);
        CMapChoiceDlg choice({FoundMap{}, FoundMap{}}, &Frame());
        Collect(&choice, QStringLiteral("map choice"), seen);
        for (QDialog* dialog : std::initializer_list<QDialog*>{&question, &document, &choice}) {
            dialog->show();
            RecordWindow(dialog);
            dialog->hide();
        }
        ReadRefitDialogs();
        // The dialogs that the question about the changed map kept away.
        Doc().DeleteContents();
        for (int id : {CmdNewMap, CmdOpenFromHtmlFile, CmdOpen})
            ReadWindowsOf([&] { Run(id); }, seen);
        // Text without a map on the clipboard: a message of the core.
        QApplication::clipboard()->setText(QStringLiteral("<p>no map</p>"));
        ReadWindowsOf([&] { Run(CmdOpenFromClipboard); }, seen);
        for (const QString& box : boxes)
            Add(seen, QStringLiteral("message"), box);
    }

    // The refit dialog, shown as when a transform was found and as when the
    // pictures were refused, over the map's own picture.
    void ReadRefitDialogs()
    {
        RefitSetup setup;
        setup.older = setup.newer = app->Picture();
        setup.oldFrame = {300, 200};
        setup.areas.emplace_back(ShapeRect, PointList{{10, 10}, {100, 10}, {100, 100}, {10, 100}});
        setup.found.transform = PictureTransform::ScaleShift(1, 1, -200, 0);
        for (RefitFailure failure : {RefitFailure::None, RefitFailure::NotSameScene}) {
            setup.found.failure = failure;
            CRefitDlg refit(setup, &Frame());
            refit.show();
            RecordWindow(&refit);
            Collect(&refit, QStringLiteral("refit"), seen);
        }
    }

    SettingsStore& Store() { return app->Store(); }
};

// What the walk saw in Japanese outside Qt's own dialogs: nothing in English.
QStringList JapaneseLeft(const SeenTexts& seen)
{
    QStringList left;
    for (const Seen& s : seen) {
        if (HasJapanese(s.text) && !s.qtOwn)
            left << s.scope + QStringLiteral(": ") + s.text;
    }
    return left;
}

// What the walk saw that is none of the translation's Japanese sources:
// nothing in Japanese.
QStringList NotASource(const SeenTexts& seen)
{
    const QList<QRegularExpression> sources = SourcePatterns();
    const QStringList qtButtons = QtButtonTexts();
    QStringList foreign;
    for (const Seen& s : seen) {
        if (s.qtOwn || !HasLatinLetters(s.text) || qtButtons.contains(s.text) || IsProductName(s.text))
            continue;
        const bool source = std::any_of(sources.begin(), sources.end(), [&](const QRegularExpression& p) {
            return p.match(WithoutMnemonic(s.text)).hasMatch();
        });
        if (!source)
            foreign << s.scope + QStringLiteral(": ") + s.text;
    }
    return foreign;
}

} // namespace

class TranslationWalkTest : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { ProgramLanguage::Install(Language::Japanese); }

    void inEnglishNoJapaneseIsLeft()
    {
        QVERIFY(ProgramLanguage::Install(Language::English));
        Walk walk;
        const QStringList left = JapaneseLeft(walk.seen);
        QVERIFY2(left.isEmpty(), qPrintable(left.join(QLatin1Char('\n'))));
        // The walk went everywhere: a text of each kind of place, in English.
        QStringList texts;
        for (const Seen& s : walk.seen)
            texts << s.text;
        for (const char* expected : {"Save SV&G Source to File...",
                                     "Select the &Overlapped Area",
                                     "&Delete Selected Area",
                                     "Map Check",
                                     "Save as HTML File",
                                     "New Map",
                                     "Save HTML Source",
                                     "Open from HTML File",
                                     "Save As",
                                     "Open a Zephyrmap File",
                                     "Zephyrmap Settings",
                                     "Displa&y language",
                                     "Grid &spacing",
                                     "About Zephyrmap",
                                     "Choose the Link Target",
                                     "Choose the Map's Image",
                                     "Choose the New Image",
                                     "Replace Image and Fit Areas",
                                     "&Replace Image and Fit Areas...",
                                     "&Overlay the Old Image",
                                     "Choose the HTML Document Using the Map",
                                     "Name the HTML document that uses the image map.",
                                     "Choose a Map",
                                     "This HTML defines no usable image map.",
                                     "&Encoding:",
                                     "Relative &path:"})
            QVERIFY2(texts.contains(QString::fromUtf8(expected)), expected);
    }

    void inEnglishTheMenusReadEnglish()
    {
        QVERIFY(ProgramLanguage::Install(Language::English));
        AppHarness h;
        QStringList menus;
        for (QAction* menu : h.Frame().menuBar()->actions())
            menus << menu->text();
        QCOMPARE(menus, (QStringList{"&File", "&Edit", "&Area", "&Tools", "&View", "&Help"}));
        h.Doc().DeleteContents();
        QCOMPARE(h.Frame().windowTitle(), QStringLiteral("Untitled - Zephyrmap !"));
    }

    void inJapaneseEveryTextIsASource()
    {
        QVERIFY(!SourcePatterns().isEmpty());
        // Japanese with Qt's own Japanese, as the program starts (false where
        // Qt's translations are not installed: the program's texts are the same).
        ProgramLanguage::Install(Language::Japanese);
        Walk walk;
        const QStringList foreign = NotASource(walk.seen);
        QVERIFY2(foreign.isEmpty(), qPrintable(foreign.join(QLatin1Char('\n'))));
        QVERIFY(walk.seen.size() > 300);
    }

    // The language the editor picks at start-up from the desktop's locale,
    // walked whole. ctest runs this under several locales (LANG, LC_ALL)
    // and names the language each should give in ZM_DESKTOP_EXPECTS.
    void theDesktopsLanguageIsSpoken()
    {
        const QString expected = qEnvironmentVariable("ZM_DESKTOP_EXPECTS");
        if (expected.isEmpty())
            QSKIP("run by ctest under a chosen locale, with ZM_DESKTOP_EXPECTS=en or ja");
        const Language chosen = ProgramLanguage::ChooseForDesktop(LanguageAuto);
        QCOMPARE(chosen == Language::English ? QStringLiteral("en") : QStringLiteral("ja"), expected);
        ProgramLanguage::Install(chosen);
        Walk walk;
        const QStringList wrong = chosen == Language::English ? JapaneseLeft(walk.seen) : NotASource(walk.seen);
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
        QVERIFY(walk.seen.size() > 300);
    }

    void inEnglishNoMnemonicsClash()
    {
        QVERIFY(ProgramLanguage::Install(Language::English));
        Walk walk;
        const QStringList clashes = MnemonicClashes(walk.seen);
        QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(QLatin1Char('\n'))));
    }

    // Every label and button is as wide as its text, in either language.
    void theTextsFit_data()
    {
        QTest::addColumn<bool>("english");
        QTest::newRow("Japanese") << false;
        QTest::newRow("English") << true;
    }
    void theTextsFit()
    {
        QFETCH(bool, english);
        const bool installed = ProgramLanguage::Install(english ? Language::English : Language::Japanese);
        QVERIFY(installed || !english);
        Walk walk;
        QStringList cut;
        for (const Seen& s : walk.seen) {
            if (s.cut)
                cut << s.scope + QStringLiteral(": ") + s.text;
        }
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char('\n'))));
    }

    // The English says what a web author says, one way throughout: each row
    // is a way of putting it that no English text of the program may use.
    void inEnglishTheWordsAreTheWebs_data()
    {
        QTest::addColumn<QString>("avoided");
        QTest::newRow("clickable map, not image map") << QStringLiteral("(?i)clickable map");
        QTest::newRow("picture, not image") << QStringLiteral("(?i)picture");
        QTest::newRow("the name with a mark") << QStringLiteral("Zephyrmap ?!");
        QTest::newRow("blank before a colon") << QStringLiteral("\\w :");
        QTest::newRow("c.b. for the clipboard") << QStringLiteral("c\\.b\\.");
        QTest::newRow("the keyword for a shape") << QStringLiteral("(RECT|CIRC|POLY) area|\\n(RECT|CIRC|POLY)$");
        QTest::newRow("tool bar in two words") << QStringLiteral("(?i)tool bar");
        QTest::newRow("one recent file") << QStringLiteral("Recent File(?!s)");
        QTest::newRow("options, not settings") << QStringLiteral("\\bOptions\\b");
        QTest::newRow("a filter without its dot") << QStringLiteral("\\((?:[^)]*\\s)?\\*[A-Za-z]");
        QTest::newRow("kbyte") << QStringLiteral("(?i)kbyte");
        QTest::newRow("signature for BOM") << QStringLiteral("(?i)signature");
        QTest::newRow("output the map") << QStringLiteral("output the map");
        QTest::newRow("ALT as a word in a sentence") << QStringLiteral("has no ALT\\b");
    }
    void inEnglishTheWordsAreTheWebs()
    {
        QFETCH(QString, avoided);
        const QRegularExpression pattern(avoided, QRegularExpression::MultilineOption);
        QVERIFY(pattern.isValid());
        QFile ts(QStringLiteral(ZM_SOURCE_DIR "/res/translations/zephyrmap_en.ts"));
        QVERIFY(ts.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&ts);
        QStringList found;
        int translations = 0;
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isStartElement() && xml.name() == QLatin1String("translation")) {
                const QString text = xml.readElementText(QXmlStreamReader::IncludeChildElements);
                ++translations;
                if (pattern.match(text).hasMatch())
                    found << text;
            }
        }
        QVERIFY(translations > 400);
        QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1Char('\n'))));
    }

    // On a 1280 x 720 screen every dialog in English fits, its buttons
    // inside it, and a file list's columns as wide as they need. ctest runs
    // this on such a screen (the offscreen platform's screen set by a file).
    void inEnglishEveryDialogFitsTheScreen()
    {
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        if (screen.size() != QSize(1280, 720))
            QSKIP("run by ctest on a 1280 x 720 offscreen screen");
        QVERIFY(ProgramLanguage::Install(Language::English));
        ShownWindows().clear();
        Walk walk;
        QStringList wrong;
        for (const ShownWindow& w : ShownWindows()) {
            if (w.size.width() > screen.width() || w.size.height() > screen.height())
                wrong << QStringLiteral("%1: %2 x %3").arg(w.title).arg(w.size.width()).arg(w.size.height());
            if (!w.outside.isEmpty())
                wrong << w.title + QStringLiteral(": buttons outside: ") + w.outside.join(QStringLiteral(", "));
            if (!w.cut.isEmpty())
                wrong << w.title + QStringLiteral(": columns cut: ") + w.cut.join(QStringLiteral(", "));
        }
        QVERIFY(ShownWindows().size() >= 15);
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
    }

    // The check itself finds a text cut short.
    void aCutTextIsFound()
    {
        QDialog dialog;
        auto* button = new QPushButton(QStringLiteral("A rather long caption"), &dialog);
        button->setFixedWidth(20);
        auto* label = new QLabel(QStringLiteral("Short"), &dialog);
        label->move(0, 40);
        dialog.resize(300, 100);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        SeenTexts seen;
        Collect(&dialog, QStringLiteral("dialog"), seen);
        QStringList cut;
        for (const Seen& s : seen) {
            if (s.cut)
                cut << s.text;
        }
        QCOMPARE(cut, QStringList{"A rather long caption"});
    }

    // The check itself finds a clash: two items of one menu on one letter.
    void aClashIsFound()
    {
        const SeenTexts seen{{QStringLiteral("File"), QStringLiteral("&Open")},
                             {QStringLiteral("File"), QStringLiteral("&Options")},
                             {QStringLiteral("Edit"), QStringLiteral("&Open")},
                             {QStringLiteral("File"), QStringLiteral("Save && &Quit")}};
        QCOMPARE(MnemonicClashes(seen), QStringList{"File: 'o' for &Open, &Options"});
    }
};

QTEST_MAIN(TranslationWalkTest)
#include "TranslationWalkTest.moc"
