#include "panes/MapCheckPane.h"
#include "services/language/ProgramLanguage.h"
#include "tests/app/AppHarness.h"

#include <QAction>
#include <QLineEdit>
#include <QTreeWidget>

namespace
{

// The rows of the list: "area code" each.
QStringList Rows(MapCheckPane& pane)
{
    QStringList rows;
    QTreeWidget* list = pane.List();
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        rows << (list->topLevelItem(i)->text(0) + QLatin1Char(' ') + list->topLevelItem(i)->text(1)).trimmed();
    return rows;
}

// The pane shown through its command, with a map of two rectangles: the
// second without ALT and wholly inside the first.
struct CheckedMap : AppHarness {
    CheckedMap()
    {
        OpenMap();
        AddRect(10, 10, 100, 100)->m_alt = "outer";
        AddRect(20, 20, 40, 40);
        Pane().SetChecker(MapChecker([](const std::string&) { return true; }));
        Frame().UpdateCommandUI();
        Frame().Action(CmdCheckMap)->trigger();
        QApplication::processEvents();
    }
    MapCheckPane& Pane() { return Frame().CheckPane(); }
};

} // namespace

class MapCheckPaneTest : public QObject
{
    Q_OBJECT
private slots:
    void theCommandShowsAndHidesThePane()
    {
        AppHarness h;
        MapCheckPane& pane = h.Frame().CheckPane();
        QVERIFY(!pane.isVisible());
        QAction* command = h.Frame().Action(CmdCheckMap);
        h.Frame().UpdateCommandUI();
        QVERIFY(command->isEnabled());
        QVERIFY(!command->isChecked());
        command->trigger();
        QVERIFY(pane.isVisible());
        QVERIFY(command->isChecked());
        QCOMPARE(pane.windowTitle(), QStringLiteral("マップの検査"));
        QCOMPARE(Rows(pane), QStringList()); // no map, nothing to say
        command->trigger();
        QVERIFY(!pane.isVisible());
        QVERIFY(!command->isChecked());
    }

    void shownItListsTheFindings()
    {
        CheckedMap h;
        QCOMPARE(Rows(h.Pane()), (QStringList{QStringLiteral("1 hidden-area"), QStringLiteral("1 missing-alt")}));
        QCOMPARE(h.Pane().List()->topLevelItem(1)->text(2),
                 QStringLiteral(
                     "リンクのあるエリアにALTがありません。スクリーンリーダーはこのリンクを読み上げられません。"));
    }

    // In English the areas count from 1, in the column and in the message,
    // and a row still leads to its own area.
    void inEnglishTheAreasCountFromOne()
    {
        QVERIFY(ProgramLanguage::Install(Language::English));
        CheckedMap h;
        ProgramLanguage::Install(Language::Japanese);
        QCOMPARE(Rows(h.Pane()), (QStringList{QStringLiteral("2 hidden-area"), QStringLiteral("2 missing-alt")}));
        h.View().DeselectArea();
        QTreeWidget* list = h.Pane().List();
        list->setFocus();
        list->setCurrentItem(list->topLevelItem(0));
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(h.View().SelectedArea(), h.Doc().AreaAt(1));
    }

    // An edit starts the pause, and each further edit starts it again: the
    // list changes once the edits stop for the pause.
    void editsAreCheckedAfterAPause()
    {
        CheckedMap h;
        h.AddRect(200, 150, 250, 190); // a third link without ALT
        QVERIFY(h.Pane().IsCheckPending());
        QCOMPARE(Rows(h.Pane()).size(), 2); // not yet
        QTest::qWait(MapCheckPane::kPauseMs / 2);
        h.View().DeleteSelectedArea(); // taken out again before the pause ran out
        QVERIFY(h.Pane().IsCheckPending());
        QTRY_VERIFY_WITH_TIMEOUT(!h.Pane().IsCheckPending(), 5000);
        QCOMPARE(Rows(h.Pane()), (QStringList{QStringLiteral("1 hidden-area"), QStringLiteral("1 missing-alt")}));
        h.Frame().UpdateCommandUI();
        h.Frame().Action(CmdUndo)->trigger(); // the third rectangle is back
        QTRY_COMPARE_WITH_TIMEOUT(Rows(h.Pane()).size(), 3, 5000);
        QCOMPARE(Rows(h.Pane()).back(), QStringLiteral("2 missing-alt"));
    }

    // Typing the ALT on the area page takes the finding away.
    void typingOnTheAreaPageIsFollowed()
    {
        CheckedMap h;
        h.ShowAreaPage();
        h.AreaPage().SelectArea(1);
        QLineEdit* alt = h.AreaPage().AltEdit();
        alt->setFocus();
        QTest::keyClicks(alt, QStringLiteral("inner"));
        QTRY_COMPARE_WITH_TIMEOUT(Rows(h.Pane()), QStringList{QStringLiteral("1 hidden-area")}, 5000);
        QCOMPARE(h.Doc().AreaAt(1)->m_alt, std::string("inner"));
    }

    void aHiddenPaneChecksNothingUntilShown()
    {
        CheckedMap h;
        h.Frame().Action(CmdCheckMap)->trigger(); // hidden
        h.Doc().AreaAt(1)->m_alt = "inner";
        h.AddRect(200, 150, 250, 190);
        QVERIFY(!h.Pane().IsCheckPending());
        QCOMPARE(Rows(h.Pane()).size(), 2);
        h.Frame().Action(CmdCheckMap)->trigger();
        QApplication::processEvents();
        QCOMPARE(Rows(h.Pane()), (QStringList{QStringLiteral("1 hidden-area"), QStringLiteral("2 missing-alt")}));
    }

    void aCleanMapSaysSo()
    {
        CheckedMap h;
        h.View().SelectAreaAt(1);
        h.View().DeleteSelectedArea();
        h.Pane().CheckNow();
        QCOMPARE(h.Pane().List()->topLevelItemCount(), 1);
        QCOMPARE(h.Pane().List()->topLevelItem(0)->text(2), QStringLiteral("問題は見つかりませんでした。"));
        QVERIFY(!(h.Pane().List()->topLevelItem(0)->flags() & Qt::ItemIsSelectable));
    }

    // Activating a row selects its area in the view and in the area list.
    void activatingARowSelectsItsArea()
    {
        CheckedMap h;
        h.View().DeselectArea();
        QTreeWidget* list = h.Pane().List();
        list->setFocus();
        list->setCurrentItem(list->topLevelItem(1));
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(h.View().SelectedArea(), h.Doc().AreaAt(1));
        QCOMPARE(h.AreaPage().GetSelectedArea(), 1);
        QCOMPARE(h.Frame().PaneTabs().currentIndex(), 1);
    }
};

QTEST_MAIN(MapCheckPaneTest)
#include "MapCheckPaneTest.moc"
