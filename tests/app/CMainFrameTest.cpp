#include "app/CMainFrame.h"

#include <QAction>
#include <QMenuBar>
#include <QtTest>

class CMainFrameTest : public QObject
{
    Q_OBJECT
private slots:
    void titleAndMenus()
    {
        CMainFrame frame;
        frame.show();
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
        CMainFrame frame;
        QVERIFY(frame.Action(57643) != nullptr);
        QCOMPARE(frame.Action(57643)->shortcut(), QKeySequence(QStringLiteral("Ctrl+Z")));
        QCOMPARE(frame.Action(57643)->text(), QStringLiteral("元に戻す(&U)"));
        QCOMPARE(frame.Action(166)->data().toInt(), 166);
    }
    void exitCommandCloses()
    {
        CMainFrame frame;
        frame.show();
        frame.Action(57665)->trigger();
        QVERIFY(!frame.isVisible());
    }
};

QTEST_MAIN(CMainFrameTest)
#include "CMainFrameTest.moc"
