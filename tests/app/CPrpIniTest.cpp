#include "app/CPrpIni.h"
#include "services/dialogs/ProgramFileDialog.h"
#include "services/settings/AppSettings.h"
#include "services/store/SettingsStore.h"
#include "tests/ModalAnswer.h"
#include "tests/StoreTestBase.h"
#include "tests/services/dialogs/FileDialogDriver.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSettings>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <functional>

namespace
{

template <typename T> T* Child(QWidget* w, const char* name)
{
    return w->findChild<T*>(QLatin1String(name));
}

void Click(QWidget* w, const char* name)
{
    auto* button = Child<QAbstractButton>(w, name);
    QVERIFY2(button, name);
    // On the box itself: a check box takes a click on its indicator and
    // text only, and the sheet's columns may make it wider than those.
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(button->height() / 2, button->height() / 2));
}

void Press(CPrpIni* sheet, QDialogButtonBox::StandardButton which)
{
    Child<QDialogButtonBox>(sheet, "buttonBox")->button(which)->click();
}

bool IsChecked(QWidget* w, const char* name)
{
    return Child<QAbstractButton>(w, name)->isChecked();
}

QRgb SampleColour(QWidget* page, const char* name)
{
    auto* sample = Child<QWidget>(page, name);
    const QImage shot = sample->grab().toImage();
    return shot.pixel(shot.width() / 2, shot.height() / 2) & 0xFFFFFF;
}

} // namespace

class CPrpIniTest : public StoreTestBase
{
    Q_OBJECT
private:
    // Runs the settings command with `act` done in the shown sheet.
    bool RunSheet(AppSettings& s, const std::function<void(CPrpIni*)>& act, bool& displayChanged,
                  std::vector<modal::Box>* boxes = nullptr)
    {
        SettingsStore store(Ini());
        auto outcome = modal::AnswerNext<CPrpIni>([&](CPrpIni* sheet) { act(sheet); });
        modal::BoxWatcher watcher;
        const bool ok = CPrpIni::Run(s, store, nullptr, displayChanged);
        if (boxes)
            *boxes = watcher.Boxes();
        store.Sync();
        if (!outcome->answered)
            qWarning("the sheet was never shown");
        return ok;
    }

private slots:
    void init() { ++m_run; }

    void theSheetHasTwoPagesAndOkAndCancelOnly()
    {
        SettingsStore store(Ini());
        CPrpIni sheet(store);
        QCOMPARE(sheet.windowTitle(), QStringLiteral("Zephyrmap ! の設定"));
        auto* tabs = Child<QTabWidget>(&sheet, "sheet");
        QCOMPARE(tabs->count(), 2);
        QCOMPARE(tabs->tabText(0), QStringLiteral("外部ｱﾌﾟﾘｹｰｼｮﾝ"));
        QCOMPARE(tabs->tabText(1), QStringLiteral("エディタ設定"));
        auto* buttons = Child<QDialogButtonBox>(&sheet, "buttonBox");
        QCOMPARE(buttons->buttons().size(), 2);
        QCOMPARE(buttons->button(QDialogButtonBox::Ok)->text(), QStringLiteral("OK"));
        QCOMPARE(buttons->button(QDialogButtonBox::Cancel)->text(), QStringLiteral("キャンセル"));
    }

    void theApplicationsPageLabelsItsPathsInGroups()
    {
        CPrpIniBrows page;
        const QStringList groups{QStringLiteral("プレビューに使用するアプリケーション"),
                                 QStringLiteral("ファイルを開くアプリケーション"),
                                 QStringLiteral("ファイルを編集するエディタ")};
        QCOMPARE(Child<QGroupBox>(&page, "previewGroup")->title(), groups[0]);
        QCOMPARE(Child<QGroupBox>(&page, "openGroup")->title(), groups[1]);
        QCOMPARE(Child<QGroupBox>(&page, "editGroup")->title(), groups[2]);
        QStringList labels;
        for (QLabel* label : page.findChildren<QLabel*>())
            labels << label->text();
        QCOMPARE(labels, QStringList({QStringLiteral("マップをプレビューするブラウザの場所(&P)"),
                                      QStringLiteral("HTMLソースをプレビューするアプリケーションの場所(&S)"),
                                      QStringLiteral("画像を開くアプリケーションの場所(&I)"),
                                      QStringLiteral("HTML文書を開くアプリケーションの場所(&H)"),
                                      QStringLiteral("HTML文書を編集するエディタの場所(&T)"),
                                      QStringLiteral("画像を編集するエディタの場所(&E)")}));
        QCOMPARE(Child<QCheckBox>(&page, "imgAppDefaultCheck")->text(), QStringLiteral("標準のアプリケーション(&X)"));
        // Until filled, the page shows the first run's choice: the system's applications.
        QVERIFY(Child<QCheckBox>(&page, "imgAppDefaultCheck")->isChecked());
        QVERIFY(!Child<QLineEdit>(&page, "imgAppEdit")->isEnabled());
        QCOMPARE(Child<QCheckBox>(&page, "htmlAppDefaultCheck")->text(), QStringLiteral("標準のアプリケーション(&M)"));
        QCOMPARE(page.findChildren<QPushButton*>().size(), 6);
        for (QPushButton* button : page.findChildren<QPushButton*>())
            QCOMPARE(button->text(), QStringLiteral("参照 ..."));
    }

    void tickingTheStandardApplicationGreysThePathAndItsButton_data()
    {
        QTest::addColumn<QString>("check");
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("button");
        QTest::newRow("picture") << "imgAppDefaultCheck"
                                 << "imgAppEdit"
                                 << "imgAppBrowse";
        QTest::newRow("HTML") << "htmlAppDefaultCheck"
                              << "htmlAppEdit"
                              << "htmlAppBrowse";
    }
    void tickingTheStandardApplicationGreysThePathAndItsButton()
    {
        QFETCH(QString, check);
        QFETCH(QString, edit);
        QFETCH(QString, button);
        CPrpIniBrows page;
        CPrpIniBrows::Fields fields;
        fields.imgAppDefault = 0;
        fields.htmlAppDefault = 0;
        page.SetFields(fields);
        page.show();
        auto* box = page.findChild<QCheckBox*>(check);
        QVERIFY(page.findChild<QLineEdit*>(edit)->isEnabled());
        QTest::mouseClick(box, Qt::LeftButton);
        QVERIFY(!page.findChild<QLineEdit*>(edit)->isEnabled());
        QVERIFY(!page.findChild<QPushButton*>(button)->isEnabled());
        QVERIFY(Child<QLineEdit>(&page, "browserEdit")->isEnabled());
        QTest::mouseClick(box, Qt::LeftButton);
        QVERIFY(page.findChild<QPushButton*>(button)->isEnabled());
    }

    void eachBrowseButtonPicksAProgram_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("title");
        QTest::newRow("browser") << "browserBrowse"
                                 << "browserEdit"
                                 << "ブラウザのパスの指定";
        QTest::newRow("source") << "viewerBrowse"
                                << "viewerEdit"
                                << "HTMLエディタのパスの指定";
        QTest::newRow("picture opener") << "imgAppBrowse"
                                        << "imgAppEdit"
                                        << "画像を開くアプリケーションの指定";
        QTest::newRow("HTML opener") << "htmlAppBrowse"
                                     << "htmlAppEdit"
                                     << "HTML文書を開くブラウザの指定";
        QTest::newRow("HTML editor") << "htmlEditorBrowse"
                                     << "htmlEditorEdit"
                                     << "HTML文書を開くエディタの指定";
        QTest::newRow("picture editor") << "imgEditorBrowse"
                                        << "imgEditorEdit"
                                        << "画像を開くエディタの指定";
    }
    void eachBrowseButtonPicksAProgram()
    {
        QFETCH(QString, button);
        QFETCH(QString, edit);
        QFETCH(QString, title);
        const QString program = m_dir.filePath(QStringLiteral("viewer"));
        QFile file(program);
        file.open(QIODevice::WriteOnly);
        file.close();
        file.setPermissions(file.permissions() | QFile::ExeOwner);
        CPrpIniBrows page;
        CPrpIniBrows::Fields fields;
        fields.imgAppDefault = 0;
        fields.htmlAppDefault = 0;
        page.SetFields(fields);
        page.show();
        QString shownTitle;
        QStringList types;
        auto outcome = modal::AnswerNext<ProgramFileDialog>([&](ProgramFileDialog* shown) {
            shownTitle = shown->windowTitle();
            types = shown->nameFilters();
            shown->setDirectory(m_dir.path());
            filedialogs::AcceptOrClose(shown, QStringLiteral("viewer"));
        });
        QTest::mouseClick(page.findChild<QPushButton*>(button), Qt::LeftButton);
        QTRY_VERIFY(outcome->answered);
        QCOMPARE(shownTitle, title);
        QCOMPARE(types, QStringList{QStringLiteral("プログラム (*)")});
        QCOMPARE(page.findChild<QLineEdit*>(edit)->text(), program);
    }

    void aStoredOptionOfTenShowsUpperRectCirclePolyAndSpaces()
    {
        SettingsStore store(Ini());
        CPrpIniView page(store);
        AppSettings s;
        s.HtmlOption = 10;
        page.SetFields(CPrpIni::ViewFieldsOf(s));
        for (const char* on : {"upperRadio", "rectRadio", "circleRadio", "polyRadio", "indentSpacesRadio"})
            QVERIFY2(IsChecked(&page, on), on);
        QVERIFY(!IsChecked(&page, "keepOtherCaseCheck"));
        QCOMPARE(Child<QLineEdit>(&page, "indentEdit")->text(), QStringLiteral("2"));
    }

    void lowerCaseRectangleAndTabsAreStoredAs0x33()
    {
        AppSettings s;
        s.HtmlOption = 10;
        bool display = true;
        const bool ok = RunSheet(
            s,
            [](CPrpIni* sheet) {
                QWidget* page = sheet->ViewPage();
                Child<QTabWidget>(sheet, "sheet")->setCurrentWidget(page);
                Click(page, "lowerRadio");
                Click(page, "rectangleRadio");
                Click(page, "indentTabsRadio");
                Press(sheet, QDialogButtonBox::Ok);
            },
            display);
        QVERIFY(ok);
        QCOMPARE(s.HtmlOption, 0x33u);
        QVERIFY(!display);
    }

    // The simplification distance is kept in tenths of a pixel and shown in pixels.
    void theTraceToolsSettingsAreOnTheEditorPage()
    {
        AppSettings s;
        s.nTraceTolerance = 30;
        s.nTraceSimplify = 25;
        bool display = true;
        int shownTolerance = 0;
        double shownSimplify = 0;
        QStringList labels;
        QVERIFY(RunSheet(
            s,
            [&](CPrpIni* sheet) {
                QWidget* page = sheet->ViewPage();
                auto* tolerance = Child<QSpinBox>(page, "traceToleranceSpin");
                auto* simplify = Child<QDoubleSpinBox>(page, "traceSimplifySpin");
                shownTolerance = tolerance->value();
                shownSimplify = simplify->value();
                for (QLabel* label : page->findChildren<QLabel*>()) {
                    if (label->buddy() == tolerance || label->buddy() == simplify)
                        labels << label->text();
                }
                tolerance->setValue(12);
                simplify->setValue(0.7);
                Press(sheet, QDialogButtonBox::Ok);
            },
            display));
        QCOMPARE(shownTolerance, 30);
        QCOMPARE(shownSimplify, 2.5);
        QCOMPARE(labels,
                 (QStringList{QStringLiteral("トレースの色の許容差(&K)"), QStringLiteral("トレースの単純化距離(&W)")}));
        QCOMPARE(s.nTraceTolerance, 12);
        QCOMPARE(s.nTraceSimplify, 7);
        QVERIFY(!display);
    }

    // The language: shown from the setting, chosen in the list, stored by OK;
    // the page says it waits for the next start, and the sheet asks nothing.
    void theLanguageIsChosenOnTheEditorPage_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("chosen");
        QTest::newRow("automatic to English") << 0 << 2;
        QTest::newRow("English to Japanese") << 2 << 1;
        QTest::newRow("Japanese to automatic") << 1 << 0;
    }
    void theLanguageIsChosenOnTheEditorPage()
    {
        QFETCH(int, stored);
        QFETCH(int, chosen);
        AppSettings s;
        s.Language = stored;
        bool display = true;
        int shown = -1;
        QStringList items;
        QString note;
        std::vector<modal::Box> boxes;
        QVERIFY(RunSheet(
            s,
            [&](CPrpIni* sheet) {
                auto* list = Child<QComboBox>(sheet->ViewPage(), "languageCombo");
                shown = list->currentIndex();
                for (int i = 0; i < list->count(); ++i)
                    items << list->itemText(i);
                note = Child<QLabel>(sheet->ViewPage(), "languageNote")->text();
                list->setCurrentIndex(chosen);
                Press(sheet, QDialogButtonBox::Ok);
            },
            display, &boxes));
        QCOMPARE(shown, stored);
        QCOMPARE(items, (QStringList{QStringLiteral("自動"), QStringLiteral("日本語"), QStringLiteral("English")}));
        QCOMPARE(note, QStringLiteral("言語の変更は、次回Zephyrmap!を起動した時から有効になります。"));
        QCOMPARE(s.Language, chosen);
        QVERIFY(boxes.empty());
        QVERIFY(!display);
        AppSettings loaded;
        SettingsStore(Ini()).LoadSettings(loaded);
        QCOMPARE(loaded.Language, 0); // the sheet changes the record; the application stores it at exit
    }

    void bothIndentBitsShowAsSpacesAndAreRewrittenWithOne()
    {
        AppSettings s;
        s.HtmlOption = 0x1A;
        bool display = false;
        bool spaces = false;
        QVERIFY(RunSheet(
            s,
            [&](CPrpIni* sheet) {
                spaces = IsChecked(sheet->ViewPage(), "indentSpacesRadio");
                Press(sheet, QDialogButtonBox::Ok);
            },
            display));
        QVERIFY(spaces);
        QCOMPARE(s.HtmlOption, 0x0Au);
    }

    void theIndentControlsFollowTheModeAndTheLimits()
    {
        SettingsStore store(Ini());
        CPrpIniView page(store);
        page.show();
        auto* edit = Child<QLineEdit>(&page, "indentEdit");
        Click(&page, "indentNoneRadio");
        QVERIFY(!edit->isEnabled());
        QVERIFY(!Child<QWidget>(&page, "indentSpin")->isEnabled());
        QVERIFY(!Child<QLabel>(&page, "indentLabel")->isEnabled());
        QCOMPARE(Child<QLabel>(&page, "indentLabel")->text(), QStringLiteral("インデント量"));
        Click(&page, "indentTabsRadio");
        QVERIFY(edit->isEnabled() && Child<QWidget>(&page, "indentSpin")->isEnabled());

        edit->clear();
        QTest::keyClicks(edit, "25");
        QCOMPARE(edit->text(), QStringLiteral("20"));
        Click(&page, "indentUp");
        QCOMPARE(edit->text(), QStringLiteral("20"));
        edit->clear();
        QTest::keyClicks(edit, "0x");
        QCOMPARE(edit->text(), QStringLiteral("0"));
        QCOMPARE(page.ReadFields().indentAmount, 0);
        Click(&page, "indentDown");
        QCOMPARE(edit->text(), QStringLiteral("1"));
        Click(&page, "indentUp");
        QCOMPARE(edit->text(), QStringLiteral("2"));
    }

    void turningDefaultLastOnTellsOnceAndWaitsForTheNextStart()
    {
        AppSettings s;
        s.DEFAULTArea_Tail = 0;
        s.DefaultAreaTailInEffect = 0;
        bool display = false;
        std::vector<modal::Box> boxes;
        QVERIFY(RunSheet(
            s,
            [](CPrpIni* sheet) {
                Click(sheet->ViewPage(), "defaultLastCheck");
                Press(sheet, QDialogButtonBox::Ok);
            },
            display, &boxes));
        QCOMPARE(boxes.size(), size_t(1));
        QCOMPARE(boxes[0].title, QStringLiteral("Zephyr Map"));
        QCOMPARE(boxes[0].text, QStringLiteral("\"デフォルトエリアを自動的に最後尾に配置する\"設定は、\r\n"
                                               "次回Zephyrnap!を起動した時から有効になります。"));
        QCOMPARE(boxes[0].icon, QMessageBox::Information);
        QVERIFY(!boxes[0].hasParent);
        QCOMPARE(s.DEFAULTArea_Tail, 1);
        QCOMPARE(s.DefaultAreaTailInEffect, 0);

        // Still on: nothing more to say.
        QVERIFY(RunSheet(
            s, [](CPrpIni* sheet) { Press(sheet, QDialogButtonBox::Ok); }, display, &boxes));
        QVERIFY(boxes.empty());
    }

    void turningDefaultLastOffAppliesAtOnce()
    {
        AppSettings s;
        bool display = false;
        std::vector<modal::Box> boxes;
        QVERIFY(RunSheet(
            s,
            [](CPrpIni* sheet) {
                Click(sheet->ViewPage(), "defaultLastCheck");
                Press(sheet, QDialogButtonBox::Ok);
            },
            display, &boxes));
        QVERIFY(boxes.empty());
        QCOMPARE(s.DEFAULTArea_Tail, 0);
        QCOMPARE(s.DefaultAreaTailInEffect, 0);
    }

    void aNewColourIsPaintedAndMarksTheDisplayChanged()
    {
        AppSettings s;
        bool display = false;
        QRgb painted = 0;
        QVERIFY(RunSheet(
            s,
            [&](CPrpIni* sheet) {
                QWidget* page = sheet->ViewPage();
                Child<QTabWidget>(sheet, "sheet")->setCurrentWidget(page);
                auto chooser = modal::AnswerNext<QColorDialog>([](QColorDialog* dlg) {
                    dlg->setCurrentColor(QColor(255, 0, 0));
                    dlg->accept();
                });
                Click(page, "bgButton");
                painted = SampleColour(page, "bgSample");
                Press(sheet, QDialogButtonBox::Ok);
            },
            display));
        QCOMPARE(painted, QRgb(0xFF0000));
        QVERIFY(display);
        QCOMPARE(s.Bgcolor, ColorRef(0x0000FF)); // red in the low byte
    }

    void theHatchingBoxMarksTheDisplayChanged()
    {
        AppSettings s;
        bool display = false;
        QVERIFY(RunSheet(
            s,
            [](CPrpIni* sheet) {
                Click(sheet->ViewPage(), "hatchingCheck");
                Press(sheet, QDialogButtonBox::Ok);
            },
            display));
        QVERIFY(display);
        QCOMPARE(s.Hatching, 0);
    }

    void customColoursAreKeptAfterCancel()
    {
        AppSettings s;
        s.OutlineColor = MakeRgb(0, 128, 0);
        bool display = true;
        QVERIFY(!RunSheet(
            s,
            [](CPrpIni* sheet) {
                auto chooser = modal::AnswerNext<QColorDialog>([](QColorDialog* dlg) {
                    for (QPushButton* button : dlg->findChildren<QPushButton*>())
                        if (button->text().contains(QStringLiteral("Custom")))
                            button->click();
                    dlg->reject();
                });
                Click(sheet->ViewPage(), "outlineButton");
                Press(sheet, QDialogButtonBox::Cancel);
            },
            display));
        QVERIFY(!display);
        QCOMPARE(s.OutlineColor, MakeRgb(0, 128, 0));
        QCOMPARE(Stored(QStringLiteral("Settings/CUSTUMCOLOR_0")).toInt(), int(MakeRgb(0, 128, 0)));
        QCOMPARE(Stored(QStringLiteral("Settings/CUSTUMCOLOR_15")).toInt(), 0xFFFFFF);

        // The next chooser starts with it.
        SettingsStore store(Ini());
        CPrpIniView page(store);
        QCOMPARE(page.CustomColors()[0], MakeRgb(0, 128, 0));
    }

    void restoringDefaultsAsksFirst()
    {
        SettingsStore store(Ini());
        CPrpIniView page(store);
        AppSettings s;
        s.Bgcolor = MakeRgb(1, 2, 3);
        s.Hatching = 0;
        page.SetFields(CPrpIni::ViewFieldsOf(s));
        page.show();
        {
            modal::BoxWatcher no(QMessageBox::Cancel);
            Click(&page, "restoreDefaultsButton");
            QCOMPARE(no.Boxes().size(), size_t(1));
            const modal::Box& box = no.Boxes()[0];
            QCOMPARE(box.title, QStringLiteral("Zephyrmap !"));
            QCOMPARE(box.text, QStringLiteral("編集画面の設定をデフォルトに戻しますか?"));
            QCOMPARE(box.icon, QMessageBox::Question);
            QCOMPARE(box.buttons, QMessageBox::Ok | QMessageBox::Cancel);
            QCOMPARE(box.defaultButton, QMessageBox::Cancel);
        }
        QCOMPARE(page.ReadFields().bgColor, MakeRgb(1, 2, 3));
        QVERIFY(!page.DisplayChanged());
        {
            modal::BoxWatcher yes(QMessageBox::Ok);
            Click(&page, "restoreDefaultsButton");
        }
        const CPrpIniView::Fields f = page.ReadFields();
        QCOMPARE(f.bgColor, ColorRef(0xC0C0C0));
        QCOMPARE(f.outlineColor, ColorRef(0));
        QCOMPARE(f.hatchColor, ColorRef(0xDDDDDD));
        QCOMPARE(f.hatching, 1);
        QCOMPARE(SampleColour(&page, "bgSample"), QRgb(0xC0C0C0));
        QVERIFY(page.DisplayChanged());
    }

    void restoringDefaultsThenCancellingChangesNothing()
    {
        AppSettings s;
        s.Bgcolor = MakeRgb(1, 2, 3);
        s.HatchColor = MakeRgb(4, 5, 6);
        s.Hatching = 0;
        const AppSettings before = s;
        bool display = true;
        QVERIFY(!RunSheet(
            s,
            [](CPrpIni* sheet) {
                modal::BoxWatcher yes(QMessageBox::Ok);
                Click(sheet->ViewPage(), "restoreDefaultsButton");
                Press(sheet, QDialogButtonBox::Cancel);
            },
            display));
        QVERIFY(!display);
        QCOMPARE(s.Bgcolor, before.Bgcolor);
        QCOMPARE(s.HatchColor, before.HatchColor);
        QCOMPARE(s.Hatching, 0);
    }

    void okCopiesThePathsAndTheTypedIndentBack()
    {
        AppSettings s;
        s.IMG_App_default = 0;
        bool display = false;
        QVERIFY(RunSheet(
            s,
            [](CPrpIni* sheet) {
                auto* browser = Child<QLineEdit>(sheet->BrowsPage(), "browserEdit");
                browser->clear();
                QTest::keyClicks(browser, "/opt/web/browse");
                Click(sheet->BrowsPage(), "imgAppDefaultCheck");
                auto* indent = Child<QLineEdit>(sheet->ViewPage(), "indentEdit");
                indent->clear();
                QTest::keyClicks(indent, "7");
                Press(sheet, QDialogButtonBox::Ok);
            },
            display));
        QCOMPARE(s.Browser, std::string("/opt/web/browse"));
        QCOMPARE(s.IMG_App_default, 1);
        QCOMPARE(s.nIndentSpace, 7);
    }
};

QTEST_MAIN(CPrpIniTest)
#include "CPrpIniTest.moc"
