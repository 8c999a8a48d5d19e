#include "app/CMainFrame.h"
#include "app/CZephyrmapApp.h"
#include "services/dialogs/ProgramMessage.h"
#include "services/store/SettingsStore.h"
#include "view/CZephyrmapView.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QTemporaryDir>
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
