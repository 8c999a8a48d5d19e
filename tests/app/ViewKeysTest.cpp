// The keys the editor adds for people used to drawing programs: one letter
// per tool while the view has the focus (a letter typed into a field stays a
// letter), Ctrl+A for every area, Ctrl+Shift+Z beside Ctrl+Y, a key for
// zooming to the selection; shown in the menus and tool tips.
#include "tests/app/AppHarness.h"

#include <QLineEdit>
#include <QMenuBar>

class ViewKeysTest : public QObject
{
    Q_OBJECT
private slots:
    void aLetterChoosesATool_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("tool");
        QTest::newRow("R") << int(Qt::Key_R) << int(Tool::Rectangle);
        QTest::newRow("C") << int(Qt::Key_C) << int(Tool::Circle);
        QTest::newRow("P") << int(Qt::Key_P) << int(Tool::Polygon);
        QTest::newRow("T") << int(Qt::Key_T) << int(Tool::Trace);
    }
    void aLetterChoosesATool()
    {
        QFETCH(int, key);
        QFETCH(int, tool);
        AppHarness h;
        h.OpenMap();
        h.View().setFocus();
        h.Frame().UpdateCommandUI();
        QTest::keyClick(&h.View(), Qt::Key(key));
        QCOMPARE(int(h.View().CurrentTool()), tool);
        h.Frame().UpdateCommandUI();
        QTest::keyClick(&h.View(), Qt::Key_V);
        QCOMPARE(h.View().CurrentTool(), Tool::Select);
    }

    // With a menu open the letter is the menu's mnemonic: the menu runs its
    // item and closes, so the next click reaches the picture.
    void aLetterWithAMenuOpenIsTheMenus()
    {
        AppHarness h;
        h.OpenMap();
        h.View().setFocus();
        h.Frame().UpdateCommandUI();
        QMenu* area = h.Frame().menuBar()->actions()[2]->menu();
        area->popup(h.Frame().mapToGlobal(QPoint(20, 20)));
        QVERIFY(QTest::qWaitForWindowExposed(area));
        QTest::keyClick(area, Qt::Key_R);
        QTRY_VERIFY(!area->isVisible());
        QCOMPARE(h.View().CurrentTool(), Tool::Rectangle);
    }

    // In a field of the area page, a letter is text.
    void aLetterInAFieldIsText()
    {
        AppHarness h;
        h.OpenMap();
        h.AddRect(10, 10, 50, 50);
        h.ShowAreaPage();
        h.AreaPage().SelectArea(0);
        QLineEdit* alt = h.AreaPage().AltEdit();
        alt->setFocus();
        QTest::keyClicks(alt, QStringLiteral("RCPTV"));
        QCOMPARE(alt->text(), QStringLiteral("RCPTV"));
        QCOMPARE(h.View().CurrentTool(), Tool::Select);
        // Ctrl+A there selects the field's text, not the areas.
        QTest::keyClick(alt, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(alt->selectedText(), QStringLiteral("RCPTV"));
        QVERIFY(!h.View().Selection().IsGroup());
    }

    void ctrlAInTheViewSelectsEveryArea()
    {
        AppHarness h;
        h.OpenMap();
        h.AddRect(10, 10, 50, 50);
        h.AddRect(60, 10, 90, 50);
        h.View().setFocus();
        h.Frame().UpdateCommandUI();
        QTest::keyClick(&h.View(), Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(h.View().Selection().Areas().size(), std::size_t(2));
    }

    void ctrlShiftZRedoes()
    {
        AppHarness h;
        h.OpenMap();
        h.AddRect(10, 10, 50, 50);
        h.View().setFocus();
        h.Run(CmdUndo);
        QCOMPARE(h.Doc().AreaCount(), 1);
        h.Frame().UpdateCommandUI();
        QTest::keyClick(&h.View(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(h.Doc().AreaCount(), 2);
    }

    // The keys show where people look for them.
    void theKeysAreShownInMenusAndTips()
    {
        AppHarness h;
        CMainFrame& frame = h.Frame();
        QCOMPARE(frame.Action(CmdRectangleTool)->toolTip(), QStringLiteral("RECT (キー R)"));
        QCOMPARE(frame.Action(CmdSelectAll)->shortcut(), QKeySequence(QStringLiteral("Ctrl+A")));
        QCOMPARE(frame.Action(CmdZoomToSelection)->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+F")));
        QVERIFY(frame.Action(CmdRedo)->shortcuts().contains(QKeySequence(QStringLiteral("Ctrl+Shift+Z"))));
        QCOMPARE(frame.Action(CmdRedo)->shortcut(), QKeySequence(QStringLiteral("Ctrl+Y")));
        // Select all closes the Edit menu.
        QMenu* edit = frame.menuBar()->actions()[1]->menu();
        QCOMPARE(edit->actions().back(), frame.Action(CmdSelectAll));
        // No key is taken twice.
        QMap<QKeySequence, QString> owners;
        for (QAction* action : frame.findChildren<QAction*>()) {
            for (const QKeySequence& key : action->shortcuts()) {
                QVERIFY2(!owners.contains(key), qPrintable(key.toString() + QStringLiteral(": ") + owners[key] +
                                                           QStringLiteral(", ") + action->text()));
                owners[key] = action->text();
            }
        }
    }
};

QTEST_MAIN(ViewKeysTest)
#include "ViewKeysTest.moc"
