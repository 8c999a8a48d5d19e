#include "services/dialogs/CImgFileDlg.h"
#include "services/dialogs/FilePreviewWnd.h"
#include "services/store/SettingsStore.h"
#include "tests/ModalAnswer.h"
#include "tests/StoreTestBase.h"
#include "tests/services/dialogs/FileDialogDriver.h"
#include "tests/services/picture/PictureFiles.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

using namespace filedialogs;
using namespace testpictures;

class CImgFileDlgTest : public StoreTestBase
{
    Q_OBJECT
private:
    void Store(const QString& key, const QVariant& value) const
    {
        QSettings(Ini(), QSettings::IniFormat).setValue(key, value);
    }
    static QCheckBox* PreviewCheck(QWidget* dlg) { return dlg->findChild<QCheckBox*>(QStringLiteral("previewCheck")); }

private slots:
    void initTestCase()
    {
        WriteBytes(m_dir.filePath(QStringLiteral("red.png")), SolidPng(40, 30, 255, 0, 0));
        WriteBytes(m_dir.filePath(QStringLiteral("page.html")),
                   "<html><head><title>Map page</title></head><body></body></html>");
    }
    void init() { ++m_run; }

    void theAcceptButtonReadsOk()
    {
        SettingsStore store(Ini());
        CImgFileDlg dlg(store);
        dlg.show();
        QCOMPARE(AcceptButton(&dlg)->text(), QStringLiteral("OK"));
        QCOMPARE(dlg.fileMode(), QFileDialog::ExistingFile);
    }

    void theRelativePathRowIsThereUntilTheCallerHidesIt()
    {
        SettingsStore store(Ini());
        CImgFileDlg dlg(store);
        auto* label = dlg.findChild<QLabel*>(QStringLiteral("relativePathLabel"));
        auto* edit = dlg.findChild<QLineEdit*>(QStringLiteral("relativePathEdit"));
        auto* automatic = dlg.findChild<QCheckBox*>(QStringLiteral("relativePathAuto"));
        QVERIFY(label && edit && automatic);
        QCOMPARE(label->text(), QStringLiteral("相対パス(&P):"));
        QCOMPARE(automatic->text(), QStringLiteral("自動的に付加"));
        QCOMPARE(PreviewCheck(&dlg)->text(), QStringLiteral("プレビュー"));
        dlg.show();
        QVERIFY(label->isVisible() && edit->isVisible() && automatic->isVisible());
        dlg.SetShowRelativePath(false);
        QVERIFY(label->isHidden() && edit->isHidden() && automatic->isHidden());
    }

    void checkBoxesAreReadAtStartAndWrittenAtClose()
    {
        Store(QStringLiteral("ImgFileDlg/Preview"), 0);
        Store(QStringLiteral("ImgFileDlg/Relative_path"), 0);
        SettingsStore store(Ini());
        {
            CImgFileDlg dlg(store);
            dlg.SetShowRelativePath(false);
            QVERIFY(!PreviewCheck(&dlg)->isChecked());
            QVERIFY(!dlg.findChild<QCheckBox*>(QStringLiteral("relativePathAuto"))->isChecked());
            dlg.show();
            PreviewCheck(&dlg)->click();
            CancelButton(&dlg)->click();
        }
        store.Sync();
        QCOMPARE(Stored(QStringLiteral("ImgFileDlg/Preview")).toInt(), 1);
        QCOMPARE(Stored(QStringLiteral("ImgFileDlg/Relative_path")).toInt(), 0);
        CImgFileDlg next(store);
        QVERIFY(PreviewCheck(&next)->isChecked());
    }

    void thePreviewFollowsTheCurrentFileAndBlanksWhenUnticked()
    {
        SettingsStore store(Ini());
        CImgFileDlg dlg(store);
        dlg.setDirectory(m_dir.path());
        dlg.show();
        FilePreviewWnd* pane = dlg.Preview();
        QCOMPARE(pane->objectName(), QStringLiteral("previewPane"));
        QVERIFY(MakeCurrent(&dlg, QStringLiteral("red.png")));
        QCOMPARE(pane->CurrentMode(), FilePreviewWnd::ShowingPicture);
        QCOMPARE(pane->WidthText(), std::string("幅 40"));

        PreviewCheck(&dlg)->click();
        QCOMPARE(pane->CurrentMode(), FilePreviewWnd::Nothing);
        QVERIFY(MakeCurrent(&dlg, QStringLiteral("page.html")));
        QCOMPARE(pane->CurrentMode(), FilePreviewWnd::Nothing);
        PreviewCheck(&dlg)->click();
        QCOMPARE(pane->CurrentMode(), FilePreviewWnd::ShowingTitle);
        QCOMPARE(pane->TitleText(), std::string("[ Map page ]"));
    }

    void theRelativePathFollowsTheSelectionWhileAutomatic()
    {
        SettingsStore store(Ini());
        CImgFileDlg dlg(store);
        dlg.SetRelativeBase(m_dir.filePath(QStringLiteral("site/index.html")).toStdString());
        dlg.setDirectory(m_dir.path());
        dlg.show();
        auto* edit = dlg.findChild<QLineEdit*>(QStringLiteral("relativePathEdit"));
        auto* automatic = dlg.findChild<QCheckBox*>(QStringLiteral("relativePathAuto"));
        QVERIFY(automatic->isChecked());
        QVERIFY(MakeCurrent(&dlg, QStringLiteral("red.png")));
        QCOMPARE(dlg.RelativePath(), std::string("../"));
        QCOMPARE(edit->text(), QStringLiteral("../"));
        automatic->click();
        QCOMPARE(edit->text(), QString());
        automatic->click();
        QCOMPARE(edit->text(), QStringLiteral("../"));
        // Without a base, as every caller leaves it, there is none.
        CImgFileDlg plain(store);
        plain.setDirectory(m_dir.path());
        plain.show();
        QVERIFY(MakeCurrent(&plain, QStringLiteral("red.png")));
        QCOMPARE(plain.RelativePath(), std::string());
    }

    void thePaneStandsRightOfTheList()
    {
        SettingsStore store(Ini());
        CImgFileDlg dlg(store);
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        // The list, in either view, and the places beside it.
        auto* list = dlg.findChild<QWidget*>(QStringLiteral("splitter"));
        QVERIFY(list && list->isVisible());
        const QRect listRect(list->mapTo(&dlg, QPoint(0, 0)), list->size());
        const QRect paneRect(dlg.Preview()->mapTo(&dlg, QPoint(0, 0)), dlg.Preview()->size());
        QVERIFY2(paneRect.left() > listRect.right(), "the pane overlaps the list");
        QVERIFY(paneRect.top() >= listRect.top() - 1);
        QVERIFY(PreviewCheck(&dlg)->mapTo(&dlg, QPoint(0, 0)).y() < paneRect.top());
    }

    void pickReturnsTheFileAndRemembersItsFolder()
    {
        Store(QStringLiteral("PathSettings/Initialdir_img"), m_dir.path());
        SettingsStore store(Ini());
        CImgFileDlg dlg(store);
        dlg.SetShowRelativePath(false);
        dlg.setWindowTitle(QStringLiteral("マップで使用する画像の指定"));
        dlg.SetProgramFilter(QStringLiteral("PNGファイル(*.png)|*.png|全てのファイル(*.*)|*.*||"));
        auto outcome =
            modal::AnswerNext<CImgFileDlg>([](CImgFileDlg* shown) { AcceptOrClose(shown, QStringLiteral("red.png")); });
        std::optional<std::string> path = dlg.Pick(store, QStringLiteral("img"), SettingsStore::HomeFolder());
        QVERIFY(outcome->answered);
        QCOMPARE(path.value_or(""), m_dir.filePath(QStringLiteral("red.png")).toStdString());
        store.Sync();
        QCOMPARE(Stored(QStringLiteral("PathSettings/Initialdir_img")).toString(), m_dir.path());
        QCOMPARE(Stored(QStringLiteral("PathSettings/Initial_filter_img")).toInt(), 1);
    }
};

QTEST_MAIN(CImgFileDlgTest)
#include "CImgFileDlgTest.moc"
