#include "services/dialogs/CTextFileDlg.h"
#include "services/dialogs/FilePreviewWnd.h"
#include "services/language/ProgramLanguage.h"
#include "services/store/SettingsStore.h"
#include "tests/ModalAnswer.h"
#include "tests/StoreTestBase.h"
#include "tests/services/dialogs/FileDialogDriver.h"
#include "tests/services/picture/PictureFiles.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

using namespace filedialogs;
using namespace testpictures;

namespace
{

using Items = QList<QPair<QString, int>>;

Items ItemsOf(const QComboBox* list)
{
    Items items;
    for (int i = 0; i < list->count(); ++i)
        items << qMakePair(list->itemText(i), list->itemData(i).toInt());
    return items;
}

QRect RectIn(const QWidget* w, const QWidget* top)
{
    return QRect(w->mapTo(top, QPoint(0, 0)), w->size());
}

} // namespace

class CTextFileDlgTest : public StoreTestBase
{
    Q_OBJECT
private:
    void Store(const QString& key, const QVariant& value) const
    {
        QSettings(Ini(), QSettings::IniFormat).setValue(key, value);
    }
    template <typename T> static T* Child(QWidget* dlg, const char* name)
    {
        return dlg->findChild<T*>(QLatin1String(name));
    }
    static CTextFileDlg::Options Saving() { return CTextFileDlg::Options::SavingHtmlSource(); }
    static CTextFileDlg::Options Opening() { return CTextFileDlg::Options::OpeningHtmlFile(); }

private slots:
    void initTestCase() { WriteBytes(m_dir.filePath(QStringLiteral("blue.png")), SolidPng(20, 10, 0, 0, 255)); }
    void init() { ++m_run; }

    void theSaveDialogListsEveryEncodingAndLineEnd()
    {
        SettingsStore store(Ini());
        CTextFileDlg dlg(store, Saving());
        QCOMPARE(dlg.acceptMode(), QFileDialog::AcceptSave);
        QVERIFY(dlg.testOption(QFileDialog::DontConfirmOverwrite));
        QCOMPARE(Child<QLabel>(&dlg, "encodingLabel")->text(), QStringLiteral("文字エンコード(&J):"));
        QCOMPARE(Child<QLabel>(&dlg, "lineEndLabel")->text(), QStringLiteral("改行コード(&L):"));
        const Items encodings{{QStringLiteral("ShiftJIS"), 1},
                              {QStringLiteral("JIS"), 2},
                              {QStringLiteral("EUC"), 3},
                              {QStringLiteral("UTF-8 (シグニチャコード無し)"), 4},
                              {QStringLiteral("UTF-8 (シグニチャコード有り)"), 5},
                              {QStringLiteral("UTF-16 (Little-Endian)"), 6},
                              {QStringLiteral("UTF-16 (Big-Endian)"), 7}};
        QCOMPARE(ItemsOf(Child<QComboBox>(&dlg, "encodingCombo")), encodings);
        const Items lineEnds{{QStringLiteral("CR+LF (Windows)"), 1},
                             {QStringLiteral("LF (UNIX)"), 2},
                             {QStringLiteral("CR (Macintosh)"), 3}};
        QCOMPARE(ItemsOf(Child<QComboBox>(&dlg, "lineEndCombo")), lineEnds);
    }

    void theSaveDialogShowsNoPreviewAndIsNoWiderThanQtsOwn()
    {
        SettingsStore store(Ini());
        CTextFileDlg dlg(store, Saving());
        dlg.show();
        QVERIFY(Child<QComboBox>(&dlg, "lineEndCombo")->isVisible());
        QVERIFY(Child<QCheckBox>(&dlg, "previewCheck")->isHidden());
        QVERIFY(Child<FilePreviewWnd>(&dlg, "previewPane")->isHidden());
        ProgramFileDialog plain(ProgramFileDialog::Save);
        plain.show();
        QCOMPARE(dlg.sizeHint().width(), plain.sizeHint().width());
        CTextFileDlg open(store, Opening());
        open.show();
        QVERIFY(open.sizeHint().width() > plain.sizeHint().width() + 187);
    }

    void theOpenDialogOffersAutomaticChoicesAndAPreview()
    {
        SettingsStore store(Ini());
        CTextFileDlg dlg(store, Opening());
        QCOMPARE(dlg.fileMode(), QFileDialog::ExistingFile);
        const Items encodings{{QStringLiteral("自動選択"), 0}, {QStringLiteral("ShiftJIS"), 1},
                              {QStringLiteral("JIS"), 2},      {QStringLiteral("EUC"), 3},
                              {QStringLiteral("UTF-8"), 4},    {QStringLiteral("UTF-16"), 6}};
        QCOMPARE(ItemsOf(Child<QComboBox>(&dlg, "encodingCombo")), encodings);
        QCOMPARE(ItemsOf(Child<QComboBox>(&dlg, "lineEndCombo")).value(0), qMakePair(QStringLiteral("自動"), 0));
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        QVERIFY(Child<QComboBox>(&dlg, "lineEndCombo")->isHidden());
        QVERIFY(Child<QLabel>(&dlg, "lineEndLabel")->isHidden());
        auto* check = Child<QCheckBox>(&dlg, "previewCheck");
        QCOMPARE(check->text(), QStringLiteral("プレビュー"));
        const QRect pane = RectIn(dlg.Preview(), &dlg);
        QCOMPARE(pane.size(), QSize(187, 204));
        QVERIFY(pane.left() > RectIn(Child<QWidget>(&dlg, "splitter"), &dlg).right());
        QVERIFY(RectIn(check, &dlg).bottom() < pane.top());
    }

    void theAddedRowsLineUpWithTheFileTypeRow()
    {
        SettingsStore store(Ini());
        CTextFileDlg dlg(store, Saving());
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        const QRect typeLabel = RectIn(Child<QWidget>(&dlg, "fileTypeLabel"), &dlg);
        const QRect typeList = RectIn(Child<QWidget>(&dlg, "fileTypeCombo"), &dlg);
        const QRect encLabel = RectIn(Child<QWidget>(&dlg, "encodingLabel"), &dlg);
        const QRect encList = RectIn(Child<QWidget>(&dlg, "encodingCombo"), &dlg);
        const QRect lfList = RectIn(Child<QWidget>(&dlg, "lineEndCombo"), &dlg);
        QCOMPARE(encLabel.left(), typeLabel.left());
        QCOMPARE(encList.left(), typeList.left());
        QCOMPARE(encList.width(), typeList.width());
        QVERIFY(encList.top() > typeList.bottom());
        QVERIFY(lfList.top() > encList.bottom());
    }

    // The open and the save dialog keep separate list positions.
    void theChosenPositionsAreRememberedPerDialog()
    {
        Store(QStringLiteral("TextFileDlg/iJCode_Auto"), 2);
        SettingsStore store(Ini());
        {
            CTextFileDlg save(store, Saving());
            save.show();
            QTest::keyClick(Child<QComboBox>(&save, "encodingCombo"), Qt::Key_End);
            QTest::keyClick(Child<QComboBox>(&save, "lineEndCombo"), Qt::Key_Down);
            CancelButton(&save)->click();
        }
        store.Sync();
        QCOMPARE(Stored(QStringLiteral("TextFileDlg/iJCode")).toInt(), 6);
        QCOMPARE(Stored(QStringLiteral("TextFileDlg/iLF")).toInt(), 1);
        CTextFileDlg nextSave(store, Saving());
        QCOMPARE(Child<QComboBox>(&nextSave, "encodingCombo")->currentText(), QStringLiteral("UTF-16 (Big-Endian)"));
        QCOMPARE(Child<QComboBox>(&nextSave, "lineEndCombo")->currentText(), QStringLiteral("LF (UNIX)"));
        CTextFileDlg open(store, Opening());
        QCOMPARE(Child<QComboBox>(&open, "encodingCombo")->currentText(), QStringLiteral("JIS"));
    }

    void aStoredPositionOutsideTheListSelectsTheFirstItem_data()
    {
        QTest::addColumn<int>("stored");
        QTest::newRow("past the end") << 7;
        QTest::newRow("negative") << -1;
    }
    void aStoredPositionOutsideTheListSelectsTheFirstItem()
    {
        QFETCH(int, stored);
        Store(QStringLiteral("TextFileDlg/iJCode_Auto"), stored);
        Store(QStringLiteral("TextFileDlg/iLF_Auto"), stored);
        SettingsStore store(Ini());
        CTextFileDlg dlg(store, Opening());
        QCOMPARE(Child<QComboBox>(&dlg, "encodingCombo")->currentIndex(), 0);
        QCOMPARE(Child<QComboBox>(&dlg, "lineEndCombo")->currentIndex(), 0);
    }

    // A user who never chose starts where the language's pages mostly are:
    // Shift-JIS and CR+LF in Japanese, as always, UTF-8 and LF in English;
    // a choice once made is kept in either, and opening detects by itself.
    void theFirstChoicesFollowTheLanguage_data()
    {
        QTest::addColumn<bool>("english");
        QTest::addColumn<bool>("saving");
        QTest::addColumn<int>("storedPosition"); // -2: nothing stored
        QTest::addColumn<int>("encoding");
        QTest::addColumn<int>("lineEnd");
        QTest::newRow("Japanese, never chosen") << false << true << -2 << 1 << 1;
        QTest::newRow("English, never chosen") << true << true << -2 << 4 << 2;
        QTest::newRow("English, Shift-JIS and CR+LF chosen") << true << true << 0 << 1 << 1;
        QTest::newRow("Japanese, UTF-8 chosen") << false << true << 3 << 4 << 3;
        QTest::newRow("English, opening") << true << false << -2 << 0 << 0;
    }
    void theFirstChoicesFollowTheLanguage()
    {
        QFETCH(bool, english);
        QFETCH(bool, saving);
        QFETCH(int, storedPosition);
        QFETCH(int, encoding);
        QFETCH(int, lineEnd);
        QSettings(Ini(), QSettings::IniFormat).remove(QStringLiteral("TextFileDlg")); // the rows share a file
        if (storedPosition != -2) {
            Store(QStringLiteral("TextFileDlg/iJCode"), storedPosition);
            Store(QStringLiteral("TextFileDlg/iLF"), storedPosition == 0 ? 0 : 2);
        }
        QVERIFY(ProgramLanguage::Install(english ? Language::English : Language::Japanese) || !english);
        SettingsStore store(Ini());
        CTextFileDlg dlg(store, saving ? Saving() : Opening());
        ProgramLanguage::Install(Language::Japanese);
        QCOMPARE(Child<QComboBox>(&dlg, "encodingCombo")->currentData().toInt(), encoding);
        QCOMPARE(Child<QComboBox>(&dlg, "lineEndCombo")->currentData().toInt(), lineEnd);
    }

    // In English the lists name the encodings as the web does.
    void inEnglishTheEncodingsHaveTheirWebNames()
    {
        QVERIFY(ProgramLanguage::Install(Language::English));
        SettingsStore store(Ini());
        CTextFileDlg save(store, Saving());
        CTextFileDlg open(store, Opening());
        ProgramLanguage::Install(Language::Japanese);
        const Items encodings{{QStringLiteral("Shift_JIS"), 1},      {QStringLiteral("ISO-2022-JP"), 2},
                              {QStringLiteral("EUC-JP"), 3},         {QStringLiteral("UTF-8"), 4},
                              {QStringLiteral("UTF-8 with BOM"), 5}, {QStringLiteral("UTF-16LE"), 6},
                              {QStringLiteral("UTF-16BE"), 7}};
        QCOMPARE(ItemsOf(Child<QComboBox>(&save, "encodingCombo")), encodings);
        const Items lineEnds{{QStringLiteral("CR+LF (Windows)"), 1},
                             {QStringLiteral("LF (macOS, Linux)"), 2},
                             {QStringLiteral("CR (classic Mac OS)"), 3}};
        QCOMPARE(ItemsOf(Child<QComboBox>(&save, "lineEndCombo")), lineEnds);
        const Items detected{{QStringLiteral("Detect automatically"), 0},
                             {QStringLiteral("Shift_JIS"), 1},
                             {QStringLiteral("ISO-2022-JP"), 2},
                             {QStringLiteral("EUC-JP"), 3},
                             {QStringLiteral("UTF-8"), 4},
                             {QStringLiteral("UTF-16"), 6}};
        QCOMPARE(ItemsOf(Child<QComboBox>(&open, "encodingCombo")), detected);
    }

    void theChosenCodesAreReadAfterOk()
    {
        Store(QStringLiteral("PathSettings/Initialdir_html"), m_dir.path());
        SettingsStore store(Ini());
        CTextFileDlg dlg(store, Saving());
        QCOMPARE(dlg.EncodingCode(), 0);
        QCOMPARE(dlg.LineEndCode(), 0);
        auto outcome = modal::AnswerNext<CTextFileDlg>([](CTextFileDlg* shown) {
            QTest::keyClick(shown->findChild<QComboBox*>(QStringLiteral("encodingCombo")), Qt::Key_Down);
            QTest::keyClick(shown->findChild<QComboBox*>(QStringLiteral("lineEndCombo")), Qt::Key_End);
            AcceptOrClose(shown, QStringLiteral("out.html"));
        });
        std::optional<std::string> path = dlg.Pick(store, QStringLiteral("html"), SettingsStore::HomeFolder());
        QVERIFY(outcome->answered);
        QCOMPARE(path.value_or(""), m_dir.filePath(QStringLiteral("out.html")).toStdString());
        QCOMPARE(dlg.EncodingCode(), 2);
        QCOMPARE(dlg.LineEndCode(), 3);
    }

    void noChosenItemGivesMinusOne()
    {
        SettingsStore store(Ini());
        CTextFileDlg dlg(store, Opening());
        dlg.show();
        Child<QComboBox>(&dlg, "encodingCombo")->setCurrentIndex(-1);
        CancelButton(&dlg)->click();
        QCOMPARE(dlg.EncodingCode(), -1);
        QCOMPARE(dlg.LineEndCode(), 0);
    }

    void untickingThePreviewBlanksItAndTickingShowsTheCurrentFile()
    {
        SettingsStore store(Ini());
        CTextFileDlg dlg(store, Opening());
        dlg.setDirectory(m_dir.path());
        dlg.show();
        QVERIFY(MakeCurrent(&dlg, QStringLiteral("blue.png")));
        QCOMPARE(dlg.Preview()->CurrentMode(), FilePreviewWnd::ShowingPicture);
        auto* check = Child<QCheckBox>(&dlg, "previewCheck");
        check->click();
        QCOMPARE(dlg.Preview()->CurrentMode(), FilePreviewWnd::Nothing);
        check->click();
        QCOMPARE(dlg.Preview()->CurrentMode(), FilePreviewWnd::ShowingPicture);
        check->click();
        CancelButton(&dlg)->click();
        store.Sync();
        QCOMPARE(Stored(QStringLiteral("TextFileDlg/Preview")).toInt(), 0);
    }
};

QTEST_MAIN(CTextFileDlgTest)
#include "CTextFileDlgTest.moc"
