#include "app/CMainFrame.h"
#include "app/CZephyrmapApp.h"
#include "app/CommandTable.h"
#include "services/dialogs/ProgramMessage.h"
#include "services/store/SettingsStore.h"
#include "view/CZephyrmapView.h"

#include <QAction>
#include <QDockWidget>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <QtTest>

class CMainFrameTest : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;

    std::unique_ptr<CZephyrmapApp> MakeApp(const char* ini)
    {
        auto app = std::make_unique<CZephyrmapApp>(std::make_unique<SettingsStore>(m_dir.filePath(QLatin1String(ini))));
        app->InitInstance({}, false);
        return app;
    }

private slots:
    void init()
    {
        ProgramMessage::SetAnswerer([](const ProgramMessageRecord&) { return QMessageBox::Ok; });
    }
    void cleanup() { ProgramMessage::SetAnswerer({}); }

    void titleAndMenus()
    {
        auto app = MakeApp("menus.ini");
        CMainFrame& frame = *app->Frame();
        QCOMPARE(frame.windowTitle(), QStringLiteral("無題 - Zephyrmap !"));
        QStringList captions;
        for (QAction* a : frame.menuBar()->actions())
            captions << a->text();
        QCOMPARE(captions,
                 (QStringList{QStringLiteral("ﾌｧｲﾙ(&F)"), QStringLiteral("編集(&E)"), QStringLiteral("エリア(&A)"),
                              QStringLiteral("ツール(&T)"), QStringLiteral("表示(&V)"), QStringLiteral("ﾍﾙﾌﾟ(&H)")}));
    }

    void everyCommandIsOneAction()
    {
        auto app = MakeApp("actions.ini");
        CMainFrame& frame = *app->Frame();
        QCOMPARE(frame.Action(CmdUndo)->shortcut(), QKeySequence(QStringLiteral("Ctrl+Z")));
        QCOMPARE(frame.Action(CmdUndo)->text(), QStringLiteral("元に戻す(&U)"));
        QCOMPARE(frame.Action(CmdZoom150)->data().toInt(), 166);
        // Ctrl+V pastes without attributes, as the menu says; Shift+Insert too.
        QVERIFY(frame.Action(CmdPasteArea)->shortcuts().contains(QKeySequence(QStringLiteral("Ctrl+V"))));
        QVERIFY(frame.Action(CmdPasteArea)->shortcuts().contains(QKeySequence(QStringLiteral("Shift+Ins"))));
        QCOMPARE(frame.Action(CmdPasteAreaWithAttributes)->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+V")));
    }

    void everyCommandOfTheTableIsHandled()
    {
        auto app = MakeApp("routes.ini");
        for (const CommandInfo& command : AllCommands())
            QVERIFY2(app->Frame()->IsRouted(command.id), qPrintable(QString::number(command.id)));
    }

    void withoutAMapTheMapCommandsAreOff()
    {
        auto app = MakeApp("off.ini");
        CMainFrame& frame = *app->Frame();
        frame.UpdateCommandUI();
        for (CommandId id : {CmdSave, CmdSaveAs, CmdRectangleTool, CmdZoom100, CmdToggleHatching, CmdUndo})
            QVERIFY2(!frame.Action(id)->isEnabled(), qPrintable(QString::number(id)));
        QVERIFY(frame.Action(CmdOpen)->isEnabled());
        QCOMPARE(frame.StatusPaneLabel(PaneMagnification).text(), QStringLiteral("100%"));
    }

    void theFirstStartIsMaximisedWithBarsAndThePaneAtTheRight()
    {
        auto app = MakeApp("first.ini");
        CMainFrame& frame = *app->Frame();
        frame.ShowAsRemembered();
        QVERIFY(frame.windowState() & Qt::WindowMaximized);
        QVERIFY(frame.ToolBar().isVisible());
        QVERIFY(frame.Pane().isVisible());
        QCOMPARE(frame.dockWidgetArea(&frame.Pane()), Qt::RightDockWidgetArea);
        QCOMPARE(frame.PaneTabs().tabText(0), QStringLiteral("マップ"));
        QCOMPARE(frame.PaneTabs().tabText(1), QStringLiteral("エリア"));
    }

    void placementIsRememberedAcrossRuns()
    {
        {
            auto app = MakeApp("placement.ini");
            CMainFrame& frame = *app->Frame();
            frame.showNormal();
            frame.setGeometry(40, 30, 640, 480);
            frame.close();
        }
        SettingsStore store(m_dir.filePath(QStringLiteral("placement.ini")));
        SettingsStore::Placement placement = store.LoadPlacement();
        QCOMPARE(placement.showCmd, QStringLiteral("Normal"));
        QCOMPARE(placement.width, 640);
        QCOMPARE(placement.height, 480);
        auto again = MakeApp("placement.ini");
        again->Frame()->ShowAsRemembered();
        QVERIFY(!(again->Frame()->windowState() & Qt::WindowMaximized));
        QCOMPARE(again->Frame()->size(), QSize(640, 480));
    }

    void aPlaceOffEveryScreenComesBackIntoSight()
    {
        {
            SettingsStore store(m_dir.filePath(QStringLiteral("away.ini")));
            // Only a corner of it on the screen: its title bar out of reach.
            const QRect room = QGuiApplication::primaryScreen()->availableGeometry();
            store.SavePlacement({QStringLiteral("Normal"), room.right() - 10, room.top() - 200, 640, 480});
        }
        auto app = MakeApp("away.ini");
        app->Frame()->ShowAsRemembered();
        const QRect room = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(room.contains(app->Frame()->geometry().topLeft()));
        QCOMPARE(app->Frame()->size(), QSize(640, 480).boundedTo(room.size()));
    }

    void closingMinimisedStoresMinAndStartsMaximised()
    {
        {
            auto app = MakeApp("min.ini");
            app->Frame()->showMinimized();
            app->Frame()->close();
        }
        SettingsStore store(m_dir.filePath(QStringLiteral("min.ini")));
        QCOMPARE(store.LoadPlacement().showCmd, QStringLiteral("Min"));
        auto again = MakeApp("min.ini");
        again->Frame()->ShowAsRemembered();
        QVERIFY(again->Frame()->windowState() & Qt::WindowMaximized);
    }

    void aHiddenToolBarStaysHidden()
    {
        {
            auto app = MakeApp("bars.ini");
            app->Frame()->show();
            app->Frame()->Action(CmdToggleToolBar)->trigger();
            QVERIFY(!app->Frame()->ToolBar().isVisible());
            QVERIFY(!app->Frame()->Action(CmdToggleToolBar)->isChecked());
            app->Frame()->close();
        }
        auto again = MakeApp("bars.ini");
        again->Frame()->show();
        QVERIFY(!again->Frame()->ToolBar().isVisible());
        QVERIFY(again->Frame()->Pane().isVisible());
    }

    void theMagnificationMenuOpensUnderItsButton()
    {
        auto app = MakeApp("zoom.ini");
        CMainFrame& frame = *app->Frame();
        frame.show();
        frame.EnablePanes(true);
        frame.UpdateCommandUI();
        QWidget* button = frame.ToolBar().widgetForAction(frame.Action(CmdMagnification));
        QVERIFY(button);
        QTimer::singleShot(0, [&] {
            QWidget* popup = QApplication::activePopupWidget();
            QVERIFY(popup);
            QCOMPARE(popup->pos(), button->mapToGlobal(QPoint(0, button->height())));
            popup->close();
        });
        frame.Action(CmdMagnification)->trigger();
        QTRY_VERIFY(!QApplication::activePopupWidget());
    }

    void theTraceToolFollowsTheDrawingTools()
    {
        auto app = MakeApp("trace.ini");
        CMainFrame& frame = *app->Frame();
        QMenu* area = frame.menuBar()->actions()[2]->menu();
        QStringList items;
        for (QAction* a : area->actions())
            items << a->text();
        // Then the keep-tool check and the arrangements, each after a separator.
        QCOMPARE(items,
                 (QStringList{QStringLiteral("四角形(&R)"), QStringLiteral("円形(&L)"), QStringLiteral("多角形(&N)"),
                              QStringLiteral("領域をトレース(&T)"), QStringLiteral("選択(&S)"), QString(),
                              QStringLiteral("ツールを続けて使う(&K)"), QString(), QStringLiteral("整列(&A)")}));
        const QList<QAction*> buttons = frame.ToolBar().actions();
        const qsizetype polygon = buttons.indexOf(frame.Action(CmdPolygonTool));
        QCOMPARE(buttons.value(polygon + 1), frame.Action(CmdTraceTool));
        QCOMPARE(frame.Action(CmdTraceTool)->iconText(), QStringLiteral("ﾄﾚｰｽ"));
        QVERIFY(!frame.Action(CmdTraceTool)->icon().isNull());
        // The prompt pane is the status bar's message.
        frame.SetStatusText(PanePrompt, QStringLiteral("prompt"));
        QCOMPARE(frame.statusBar()->currentMessage(), QStringLiteral("prompt"));
    }

    // Guards the prompt against a menu: the tips of its items take the
    // status bar while it is open, and when they left, "Ready" stood there
    // although the trace tool was still in hand.
    void aMenusTipsGiveThePromptBack()
    {
        auto app = MakeApp("prompt.ini");
        CMainFrame& frame = *app->Frame();
        frame.show();
        frame.SetStatusText(PanePrompt, QStringLiteral("prompt"));
        QStatusTipEvent tip(QStringLiteral("a menu item's tip"));
        QApplication::sendEvent(&frame, &tip);
        QCOMPARE(frame.statusBar()->currentMessage(), QStringLiteral("a menu item's tip"));
        QStatusTipEvent gone{QString()};
        QApplication::sendEvent(&frame, &gone);
        QCOMPARE(frame.statusBar()->currentMessage(), QStringLiteral("prompt"));
        // With the prompt gone, the ready text is what comes back.
        frame.SetStatusText(PanePrompt, QString());
        QApplication::sendEvent(&frame, &tip);
        QApplication::sendEvent(&frame, &gone);
        QCOMPARE(frame.statusBar()->currentMessage(), QStringLiteral("ﾚﾃﾞｨ"));
    }

    void exitCommandCloses()
    {
        auto app = MakeApp("exit.ini");
        CMainFrame& frame = *app->Frame();
        frame.show();
        frame.Action(CmdExit)->trigger();
        QVERIFY(!frame.isVisible());
    }
};

QTEST_MAIN(CMainFrameTest)
#include "CMainFrameTest.moc"
