#include "app/CSaveChangesDlg.h"

#include <QBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

class CSaveChangesDlgTest : public QObject
{
    Q_OBJECT
private slots:
    void theQuestionWithItsIconAndFiveButtonsInOrder()
    {
        CSaveChangesDlg dlg;
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Zephyrmap !"));
        QCOMPARE(dlg.findChild<QLabel*>(QStringLiteral("messageLabel"))->text(),
                 QStringLiteral("クリッカブルマップの内容が変更されています。\r\nマップのデータを出力しますか?"));
        QVERIFY(!dlg.findChild<QLabel*>(QStringLiteral("iconLabel"))->pixmap().isNull());
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        const QStringList names{QStringLiteral("saveTextButton"), QStringLiteral("copyButton"),
                                QStringLiteral("saveNativeButton"), QStringLiteral("discardButton"),
                                QStringLiteral("cancelButton")};
        const QStringList texts{QStringLiteral("テキストファイルに出力"), QStringLiteral("クリップボードに出力"),
                                QStringLiteral("Zephyrmap!形式で保存"), QStringLiteral("変更を破棄"),
                                QStringLiteral("ｷｬﾝｾﾙ")};
        int lastX = -1;
        QWidget* focus = nullptr;
        for (int i = 0; i < names.size(); ++i) {
            auto* button = dlg.findChild<QPushButton*>(names[i]);
            QVERIFY(button);
            QCOMPARE(button->text(), texts[i]);
            QVERIFY2(button->x() > lastX, qPrintable(names[i]));
            lastX = button->x();
            if (i > 0)
                QCOMPARE(focus->nextInFocusChain(), button);
            focus = button;
        }
        QVERIFY(dlg.findChild<QPushButton*>(QStringLiteral("saveTextButton"))->isDefault());
    }

    void eachButtonEndsWithItsCode_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("code");
        QTest::newRow("text file") << QStringLiteral("saveTextButton") << 3;
        QTest::newRow("clipboard") << QStringLiteral("copyButton") << 5;
        QTest::newRow("native") << QStringLiteral("saveNativeButton") << 4;
        QTest::newRow("discard") << QStringLiteral("discardButton") << 6;
        QTest::newRow("cancel") << QStringLiteral("cancelButton") << 2;
    }
    void eachButtonEndsWithItsCode()
    {
        QFETCH(QString, button);
        QFETCH(int, code);
        CSaveChangesDlg dlg;
        dlg.show();
        QTest::mouseClick(dlg.findChild<QPushButton*>(button), Qt::LeftButton);
        QCOMPARE(dlg.result(), code);
        QVERIFY(!dlg.isVisible());
    }

    void enterSavesTheTextFile()
    {
        CSaveChangesDlg dlg;
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        QTest::keyClick(&dlg, Qt::Key_Return);
        QCOMPARE(dlg.result(), int(CSaveChangesDlg::SaveText));
    }

    void closingTheWindowOrEscapeIsCancel()
    {
        CSaveChangesDlg closed;
        closed.show();
        closed.close();
        QCOMPARE(closed.result(), int(CSaveChangesDlg::Cancel));
        CSaveChangesDlg escaped;
        escaped.show();
        QTest::keyClick(&escaped, Qt::Key_Escape);
        QCOMPARE(escaped.result(), int(CSaveChangesDlg::Cancel));
    }
};

QTEST_MAIN(CSaveChangesDlgTest)
#include "CSaveChangesDlgTest.moc"
