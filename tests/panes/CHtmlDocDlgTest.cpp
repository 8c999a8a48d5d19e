#include "panes/CHtmlDocDlg.h"
#include "services/dialogs/ProgramFileDialog.h"
#include "services/store/SettingsStore.h"
#include "tests/ModalAnswer.h"
#include "tests/StoreTestBase.h"
#include "tests/services/dialogs/FileDialogDriver.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

using namespace filedialogs;

class CHtmlDocDlgTest : public StoreTestBase
{
    Q_OBJECT
private:
    QString Page() const { return m_dir.filePath(QStringLiteral("page.html")); }
    template <typename T> static T* Child(QWidget* dlg, const char* name)
    {
        return dlg->findChild<T*>(QLatin1String(name));
    }

private slots:
    void initTestCase()
    {
        QFile file(Page());
        file.open(QIODevice::WriteOnly);
    }
    void init() { ++m_run; }

    void theControls()
    {
        SettingsStore store(Ini());
        CHtmlDocDlg dlg(store);
        QCOMPARE(dlg.windowTitle(), QStringLiteral("マップを使用するHTML文書"));
        QCOMPARE(Child<QLabel>(&dlg, "promptLabel")->text(),
                 QStringLiteral("クリッカブルマップを使用するHTML文書を指定してください。"));
        QCOMPARE(Child<QPushButton>(&dlg, "browseButton")->text(), QStringLiteral("参照..."));
        QCOMPARE(Child<QPushButton>(&dlg, "okButton")->text(), QStringLiteral("OK"));
        QCOMPARE(Child<QPushButton>(&dlg, "cancelButton")->text(), QStringLiteral("キャンセル"));
    }

    void anExistingPathConfirmedWithEnterIsAcceptedSilently()
    {
        SettingsStore store(Ini());
        CHtmlDocDlg dlg(store);
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        auto* edit = Child<QLineEdit>(&dlg, "pathEdit");
        modal::BoxWatcher boxes;
        QTest::keyClicks(edit, Page());
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QVERIFY(boxes.Boxes().empty());
        QCOMPARE(dlg.HtmlPath(), Page().toStdString());
    }

    void aRelativePathIsTakenFromTheCurrentFolder()
    {
        SettingsStore store(Ini());
        CHtmlDocDlg dlg(store);
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        const QString before = QDir::currentPath();
        QDir::setCurrent(QFileInfo(Page()).absolutePath());
        QTest::keyClicks(Child<QLineEdit>(&dlg, "pathEdit"), QFileInfo(Page()).fileName());
        QTest::mouseClick(Child<QPushButton>(&dlg, "okButton"), Qt::LeftButton);
        QDir::setCurrent(before);
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(QString::fromStdString(dlg.HtmlPath()), QFileInfo(Page()).absoluteFilePath());
    }

    void aMissingPathIsRefusedOnceAndTheDialogStays_data()
    {
        QTest::addColumn<bool>("enter");
        QTest::newRow("OK") << false;
        QTest::newRow("Enter in the browse button") << true;
    }
    void aMissingPathIsRefusedOnceAndTheDialogStays()
    {
        QFETCH(bool, enter);
        SettingsStore store(Ini());
        CHtmlDocDlg dlg(store);
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        QTest::keyClicks(Child<QLineEdit>(&dlg, "pathEdit"), m_dir.filePath(QStringLiteral("none.html")));
        {
            modal::BoxWatcher boxes;
            if (enter)
                QTest::keyClick(Child<QPushButton>(&dlg, "browseButton"), Qt::Key_Return);
            else
                QTest::mouseClick(Child<QPushButton>(&dlg, "okButton"), Qt::LeftButton);
            QCOMPARE(boxes.Boxes().size(), size_t(1));
            const modal::Box& box = boxes.Boxes()[0];
            QCOMPARE(box.title, QStringLiteral("Zephyrmap!"));
            QCOMPARE(box.text,
                     QStringLiteral("クリッカブルマップを使用するHTML文書のパスを\n正しく設定してください。"));
            QCOMPARE(box.icon, QMessageBox::NoIcon);
            QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        }
        QVERIFY(dlg.isVisible());
        QCOMPARE(dlg.HtmlPath(), std::string());
    }

    void browsingRemembersTheFolderButNotTheFilter()
    {
        QSettings(Ini(), QSettings::IniFormat).setValue(QStringLiteral("PathSettings/Initialdir_html"), m_dir.path());
        SettingsStore store(Ini());
        CHtmlDocDlg dlg(store);
        dlg.show();
        QString title;
        QStringList filters;
        auto outcome = modal::AnswerNext<ProgramFileDialog>([&](ProgramFileDialog* shown) {
            title = shown->windowTitle();
            filters = shown->nameFilters();
            shown->selectNameFilter(filters.value(1));
            AcceptOrClose(shown, QStringLiteral("page.html"));
        });
        QTest::mouseClick(Child<QPushButton>(&dlg, "browseButton"), Qt::LeftButton);
        QTRY_VERIFY(outcome->answered);
        QCOMPARE(title, QStringLiteral("マップを使用するHTML文書の指定"));
        QCOMPARE(filters.value(0), QStringLiteral("HTMLファイル(*.htm* *.shtm*) (*.htm* *.shtm*)"));
        QCOMPARE(Child<QLineEdit>(&dlg, "pathEdit")->text(), Page());
        store.Sync();
        QCOMPARE(Stored(QStringLiteral("PathSettings/Initialdir_html")).toString(), m_dir.path());
        QVERIFY(!Stored(QStringLiteral("PathSettings/Initial_filter_html")).isValid());
    }
};

QTEST_MAIN(CHtmlDocDlgTest)
#include "CHtmlDocDlgTest.moc"
