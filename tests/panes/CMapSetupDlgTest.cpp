#include "panes/CMapSetupDlg.h"
#include "services/dialogs/CImgFileDlg.h"
#include "services/store/SettingsStore.h"
#include "tests/ModalAnswer.h"
#include "tests/StoreTestBase.h"
#include "tests/services/dialogs/FileDialogDriver.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

using namespace filedialogs;

class CMapSetupDlgTest : public StoreTestBase
{
    Q_OBJECT
private:
    template <typename T> static T* Child(QWidget* dlg, const char* name)
    {
        return dlg->findChild<T*>(QLatin1String(name));
    }

private slots:
    void initTestCase()
    {
        for (const char* name : {"photo.jpg", "index.html"}) {
            QFile file(m_dir.filePath(QLatin1String(name)));
            file.open(QIODevice::WriteOnly);
        }
    }
    void init()
    {
        ++m_run;
        QSettings raw(Ini(), QSettings::IniFormat);
        raw.setValue(QStringLiteral("PathSettings/Initialdir_img"), m_dir.path());
        raw.setValue(QStringLiteral("PathSettings/Initialdir_html"), m_dir.path());
    }

    void theControlsInTheirOrder()
    {
        SettingsStore store(Ini());
        CMapSetupDlg dlg(store);
        QCOMPARE(dlg.windowTitle(), QStringLiteral("マップの初期設定"));
        QCOMPARE(Child<QLabel>(&dlg, "nameLabel")->text(), QStringLiteral("マップの名前 &USEMAP= / NAME="));
        QCOMPARE(Child<QLabel>(&dlg, "pictureLabel")->text(), QStringLiteral("マップの画像 &SRC="));
        QCOMPARE(Child<QLabel>(&dlg, "htmlLabel")->text(), QStringLiteral("マップを使用する&HTML文書"));
        QCOMPARE(Child<QLabel>(&dlg, "pictureLabel")->buddy(), Child<QWidget>(&dlg, "pictureEdit"));
        QCOMPARE(Child<QPushButton>(&dlg, "pictureBrowse")->text(), QStringLiteral("参照..."));
        QCOMPARE(Child<QPushButton>(&dlg, "htmlBrowse")->text(), QStringLiteral("参照..."));
        QCOMPARE(Child<QPushButton>(&dlg, "okButton")->text(), QStringLiteral("OK"));
        QCOMPARE(Child<QPushButton>(&dlg, "cancelButton")->text(), QStringLiteral("ｷｬﾝｾﾙ"));
        const char* order[] = {"nameEdit",   "pictureEdit", "pictureBrowse", "htmlEdit",
                               "htmlBrowse", "okButton",    "cancelButton"};
        for (int i = 0; i + 1 < 7; ++i)
            QCOMPARE(Child<QWidget>(&dlg, order[i])->nextInFocusChain(), Child<QWidget>(&dlg, order[i + 1]));
    }

    // Typed paths are kept whole, a relative one taken from the current folder.
    void okGivesTheThreeTextsWithWholePaths()
    {
        SettingsStore store(Ini());
        CMapSetupDlg dlg(store);
        dlg.show();
        QTest::keyClicks(Child<QLineEdit>(&dlg, "pictureEdit"), "/img/a.gif");
        QTest::keyClicks(Child<QLineEdit>(&dlg, "htmlEdit"), "../site/page.html");
        QTest::mouseClick(Child<QPushButton>(&dlg, "okButton"), Qt::LeftButton);
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(dlg.MapName(), std::string());
        QCOMPARE(dlg.PicturePath(), std::string("/img/a.gif"));
        QDir up = QDir::current();
        up.cdUp();
        QCOMPARE(QString::fromStdString(dlg.HtmlPath()), up.absoluteFilePath(QStringLiteral("site/page.html")));
    }

    void typedPathsStayAsTheyAreWhenEmptyOrAUrl()
    {
        SettingsStore store(Ini());
        CMapSetupDlg dlg(store);
        dlg.show();
        QTest::keyClicks(Child<QLineEdit>(&dlg, "pictureEdit"), "http://example.com/a.gif");
        QTest::mouseClick(Child<QPushButton>(&dlg, "okButton"), Qt::LeftButton);
        QCOMPARE(dlg.PicturePath(), std::string("http://example.com/a.gif"));
        QCOMPARE(dlg.HtmlPath(), std::string());
    }

    void cancelLeavesTheTextsEmpty()
    {
        SettingsStore store(Ini());
        CMapSetupDlg dlg(store);
        dlg.show();
        QTest::keyClicks(Child<QLineEdit>(&dlg, "nameEdit"), "m");
        QTest::mouseClick(Child<QPushButton>(&dlg, "cancelButton"), Qt::LeftButton);
        QCOMPARE(dlg.result(), int(QDialog::Rejected));
        QCOMPARE(dlg.MapName(), std::string());
    }

    void browsingThePictureFillsItsEditAndRemembersTheFolder()
    {
        SettingsStore store(Ini());
        CMapSetupDlg dlg(store);
        dlg.show();
        QTest::keyClicks(Child<QLineEdit>(&dlg, "nameEdit"), "mine");
        QString title;
        bool relativeShown = true;
        auto outcome = modal::AnswerNext<CImgFileDlg>([&](CImgFileDlg* shown) {
            title = shown->windowTitle();
            relativeShown = shown->ShowsRelativePath();
            AcceptOrClose(shown, QStringLiteral("photo.jpg"));
        });
        QTest::mouseClick(Child<QPushButton>(&dlg, "pictureBrowse"), Qt::LeftButton);
        QTRY_VERIFY(outcome->answered);
        QCOMPARE(title, QStringLiteral("マップで使用する画像の指定"));
        QVERIFY(!relativeShown);
        QCOMPARE(Child<QLineEdit>(&dlg, "pictureEdit")->text(), m_dir.filePath(QStringLiteral("photo.jpg")));
        QCOMPARE(Child<QLineEdit>(&dlg, "nameEdit")->text(), QStringLiteral("mine"));
        store.Sync();
        QCOMPARE(Stored(QStringLiteral("PathSettings/Initial_filter_img")).toInt(), 1);
    }

    void browsingTheDocumentUsesTheHtmlKey()
    {
        SettingsStore store(Ini());
        CMapSetupDlg dlg(store);
        dlg.show();
        QStringList filters;
        auto outcome = modal::AnswerNext<CImgFileDlg>([&](CImgFileDlg* shown) {
            filters = shown->nameFilters();
            shown->selectNameFilter(filters.value(1));
            AcceptOrClose(shown, QStringLiteral("index.html"));
        });
        QTest::mouseClick(Child<QPushButton>(&dlg, "htmlBrowse"), Qt::LeftButton);
        QTRY_VERIFY(outcome->answered);
        QCOMPARE(filters, QStringList({QStringLiteral("HTML文書(*.*htm* ) (*.*htm*)"),
                                       QStringLiteral("全てのファイル(*.*) (*)")}));
        QCOMPARE(Child<QLineEdit>(&dlg, "htmlEdit")->text(), m_dir.filePath(QStringLiteral("index.html")));
        store.Sync();
        QCOMPARE(Stored(QStringLiteral("PathSettings/Initial_filter_html")).toInt(), 2);
    }

    void cancellingABrowseChangesNothing()
    {
        SettingsStore store(Ini());
        CMapSetupDlg dlg(store);
        dlg.SetValues("m", "old.gif", "old.html");
        dlg.show();
        auto outcome = modal::AnswerNext<CImgFileDlg>([](CImgFileDlg* shown) { CancelButton(shown)->click(); });
        QTest::mouseClick(Child<QPushButton>(&dlg, "pictureBrowse"), Qt::LeftButton);
        QTRY_VERIFY(outcome->answered);
        QCOMPARE(Child<QLineEdit>(&dlg, "pictureEdit")->text(), QStringLiteral("old.gif"));
        store.Sync();
        QVERIFY(!Stored(QStringLiteral("PathSettings/Initial_filter_img")).isValid());
    }

    // Regression: a name or path outside Shift-JIS kept the dialog open with
    // a refusal; every character is taken as typed.
    void namesAndPathsOfAnyCharactersAreTaken()
    {
        SettingsStore store(Ini());
        CMapSetupDlg dlg(store);
        dlg.show();
        Child<QLineEdit>(&dlg, "nameEdit")->setText(QStringLiteral("map\U0001F600 지도"));
        Child<QLineEdit>(&dlg, "pictureEdit")->setText(QStringLiteral("/home/José/Café/naïve.png"));
        Child<QLineEdit>(&dlg, "htmlEdit")->setText(QStringLiteral("/home/José/中文目录/index.html"));
        modal::BoxWatcher boxes;
        QTest::mouseClick(Child<QPushButton>(&dlg, "okButton"), Qt::LeftButton);
        QCOMPARE(boxes.Boxes().size(), size_t(0));
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(dlg.MapName(), std::string("map\U0001F600 지도"));
        QCOMPARE(dlg.PicturePath(), std::string("/home/José/Café/naïve.png"));
        QCOMPARE(dlg.HtmlPath(), std::string("/home/José/中文目录/index.html"));
    }
};

QTEST_MAIN(CMapSetupDlgTest)
#include "CMapSetupDlgTest.moc"
