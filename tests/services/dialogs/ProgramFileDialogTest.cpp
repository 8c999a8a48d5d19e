#include "services/dialogs/ProgramFileDialog.h"
#include "services/dialogs/FileFilter.h"
#include "services/store/SettingsStore.h"
#include "services/text/Utf8Bridge.h"
#include "tests/ModalAnswer.h"
#include "tests/StoreTestBase.h"
#include "tests/services/dialogs/FileDialogDriver.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFile>
#include <QFileIconProvider>
#include <QHeaderView>
#include <QMimeDatabase>
#include <QSettings>
#include <QTemporaryDir>
#include <QTreeView>
#include <QtTest>

using namespace filedialogs;

namespace
{

const QString kHtmlFilter = QStringLiteral("HTML文書(*.*htm* )|*.*htm*|すべてのファイル(*.*)|*.*||");

void Touch(const QString& path, QFile::Permissions extra = {})
{
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write("x");
    file.close();
    if (extra)
        file.setPermissions(file.permissions() | extra);
}

} // namespace

class ProgramFileDialogTest : public StoreTestBase
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QString Path(const QString& name) const { return m_dir.filePath(name); }
    int m_run = 0;
    // A fresh store for each test: QSettings caches what it read of a file.
    QString Ini() const { return m_dir.filePath(QStringLiteral("store%1.ini").arg(m_run)); }
    QVariant Stored(const QString& key) const { return QSettings(Ini(), QSettings::IniFormat).value(key); }

private slots:
    void init() { ++m_run; }

    // The dialogs name and draw files by their names alone: reading a file's
    // first bytes hangs on a kernel file such as /proc/kmsg.
    void iconsAndTypesComeFromNamesNotContents()
    {
        QFile png(Path(QStringLiteral("noext")));
        QVERIFY(png.open(QIODevice::WriteOnly));
        png.write("\x89PNG\r\n\x1a\n\0\0\0\rIHDR");
        png.close();
        const QFileInfo info(png.fileName());
        const QMimeDatabase mimes;
        const QString pngType = mimes.mimeTypeForName(QStringLiteral("image/png")).comment();
        QCOMPARE(QFileIconProvider().type(info), pngType); // what reading the bytes tells
        ProgramFileDialog dialog(ProgramFileDialog::Open);
        QVERIFY(dialog.iconProvider());
        QVERIFY(dialog.iconProvider()->type(info) != pngType);
        QCOMPARE(dialog.iconProvider()->type(QFileInfo(Path(QStringLiteral("a.png")))), pngType);
        QCOMPARE(dialog.iconProvider()->type(QFileInfo(m_dir.path())),
                 mimes.mimeTypeForName(QStringLiteral("inode/directory")).comment());
    }

    // The detail list's size and type columns are as wide as what they show
    // from the start: a picture's "53.4 KB", an "HTML document".
    void theSizeAndTypeColumnsShowTheirWholeTexts()
    {
        QTemporaryDir dir;
        QFile picture(dir.filePath(QStringLiteral("photo.png")));
        QVERIFY(picture.open(QIODevice::WriteOnly));
        picture.write(QByteArray(53400, 'x'));
        picture.close();
        Touch(dir.filePath(QStringLiteral("a-page-with-a-long-name.html")));
        Touch(dir.filePath(QStringLiteral("notes.txt")));
        ProgramFileDialog dialog(ProgramFileDialog::Open);
        dialog.setDirectory(dir.path());
        dialog.setViewMode(QFileDialog::Detail);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto* tree = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
        QVERIFY(tree);
        QTRY_COMPARE(tree->model()->rowCount(tree->rootIndex()), 3);
        QApplication::processEvents();
        for (int column : {1, 2}) {
            const int needed = std::max(static_cast<QAbstractItemView*>(tree)->sizeHintForColumn(column),
                                        tree->header()->sectionSizeHint(column));
            QVERIFY2(tree->header()->sectionSize(column) >= needed,
                     qPrintable(QStringLiteral("column %1: %2 < %3")
                                    .arg(column)
                                    .arg(tree->header()->sectionSize(column))
                                    .arg(needed)));
        }
    }

    void programFiltersBecomeQtFilters_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("qt");
        QTest::newRow("html") << kHtmlFilter
                              << QStringList{QStringLiteral("HTML文書(*.*htm* ) (*.*htm*)"),
                                             QStringLiteral("すべてのファイル(*.*) (*)")};
        QTest::newRow("patterns split at ;")
            << QStringLiteral("JPEGファイル(*.jpg *.jpeg)|*.jpg;*.jpeg|全てのファイル(*.*)|*.*||")
            << QStringList{QStringLiteral("JPEGファイル(*.jpg *.jpeg) (*.jpg *.jpeg)"),
                           QStringLiteral("全てのファイル(*.*) (*)")};
        QTest::newRow("written as given")
            << QStringLiteral("画像(*png)|*png||") << QStringList{QStringLiteral("画像(*png) (*png)")};
        QTest::newRow("empty") << QString() << QStringList{};
    }
    void programFiltersBecomeQtFilters()
    {
        QFETCH(QString, program);
        QFETCH(QStringList, qt);
        QCOMPARE(filefilter::NameFilters(program), qt);
    }

    void filterIndexesCountFromOne_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("position");
        QTest::newRow("stored 0 is the first") << 0 << 0;
        QTest::newRow("1") << 1 << 0;
        QTest::newRow("3") << 3 << 2;
        QTest::newRow("past the list") << 4 << 0;
        QTest::newRow("negative") << -1 << 0;
    }
    void filterIndexesCountFromOne()
    {
        QFETCH(int, index);
        QFETCH(int, position);
        QCOMPARE(filefilter::PositionOf(index, 3), position);
    }

    void theTypeListShowsTheDescriptionsOnly()
    {
        ProgramFileDialog dlg(ProgramFileDialog::Open);
        dlg.SetProgramFilter(kHtmlFilter);
        dlg.SetFilterIndex(2);
        auto* types = dlg.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        QVERIFY(types);
        QCOMPARE(types->count(), 2);
        QCOMPARE(types->itemText(0), QStringLiteral("HTML文書(*.*htm* )"));
        QCOMPARE(types->itemText(1), QStringLiteral("すべてのファイル(*.*)"));
        QCOMPARE(types->currentIndex(), 1);
        QCOMPARE(dlg.FilterIndex(), 2);
    }

    void openRequiresAnExistingFileAndSaveAsksNoOverwriteQuestion()
    {
        ProgramFileDialog open(ProgramFileDialog::Open);
        QCOMPARE(open.fileMode(), QFileDialog::ExistingFile);
        QVERIFY(open.testOption(QFileDialog::DontUseNativeDialog));
        ProgramFileDialog save(ProgramFileDialog::Save);
        QCOMPARE(save.acceptMode(), QFileDialog::AcceptSave);
        QVERIFY(save.testOption(QFileDialog::DontConfirmOverwrite));

        Touch(Path(QStringLiteral("there.html")));
        save.setDirectory(m_dir.path());
        save.show();
        modal::BoxWatcher boxes;
        QVERIFY(TypeAndAccept(&save, QStringLiteral("there.html")));
        QCOMPARE(save.result(), int(QDialog::Accepted));
        QVERIFY(boxes.Boxes().empty());
        QCOMPARE(utf8::SjisToUtf8(save.ChosenPath()), Path(QStringLiteral("there.html")).toStdString());
    }

    void pickStartsInTheRememberedFolderAndRemembersOnOk()
    {
        QDir(m_dir.path()).mkpath(QStringLiteral("pages"));
        const QString folder = Path(QStringLiteral("pages"));
        Touch(folder + QStringLiteral("/地図.html"));
        {
            QSettings raw(Ini(), QSettings::IniFormat);
            raw.setValue(QStringLiteral("PathSettings/Initialdir_html"), folder);
            raw.setValue(QStringLiteral("PathSettings/Initial_filter_html"), 2);
        }
        SettingsStore store(Ini());
        ProgramFileDialog dlg(ProgramFileDialog::Open);
        dlg.SetProgramFilter(kHtmlFilter);
        QString startFolder;
        int startFilter = 0;
        auto outcome = modal::AnswerNext<ProgramFileDialog>([&](ProgramFileDialog* shown) {
            startFolder = shown->directory().absolutePath();
            startFilter = shown->FilterIndex();
            shown->selectNameFilter(shown->nameFilters().at(0));
            AcceptOrClose(shown, QStringLiteral("地図.html"));
        });
        std::optional<std::string> path = dlg.Pick(store, QStringLiteral("html"), SettingsStore::HomeFolder());
        QVERIFY(outcome->answered);
        QCOMPARE(startFolder, folder);
        QCOMPARE(startFilter, 2);
        QVERIFY(path.has_value());
        // The program's own text, UTF-8.
        QCOMPARE(*path, (folder + QStringLiteral("/")).toStdString() + "地図.html");
        store.Sync();
        QCOMPARE(Stored(QStringLiteral("PathSettings/Initialdir_html")).toString(), folder);
        QCOMPARE(Stored(QStringLiteral("PathSettings/Initial_filter_html")).toInt(), 1);
    }

    void aVanishedFolderGivesTheFallbackAndCancelRemembersNothing()
    {
        {
            QSettings raw(Ini(), QSettings::IniFormat);
            raw.setValue(QStringLiteral("PathSettings/Initialdir_img"), Path(QStringLiteral("gone")));
        }
        SettingsStore store(Ini());
        ProgramFileDialog dlg(ProgramFileDialog::Open);
        QString startFolder;
        auto outcome = modal::AnswerNext<ProgramFileDialog>([&](ProgramFileDialog* shown) {
            startFolder = shown->directory().absolutePath();
            CancelButton(shown)->click();
        });
        QVERIFY(!dlg.Pick(store, QStringLiteral("img"), m_dir.path()).has_value());
        QVERIFY(outcome->answered);
        QCOMPARE(startFolder, m_dir.path());
        store.Sync();
        QCOMPARE(Stored(QStringLiteral("PathSettings/Initialdir_img")).toString(), Path(QStringLiteral("gone")));
        QVERIFY(!Stored(QStringLiteral("PathSettings/Initial_filter_img")).isValid());
    }

    void folderOnlyLeavesTheFilterIndexAlone()
    {
        Touch(Path(QStringLiteral("doc.html")));
        QSettings(Ini(), QSettings::IniFormat).setValue(QStringLiteral("PathSettings/Initialdir_html"), m_dir.path());
        SettingsStore store(Ini());
        ProgramFileDialog dlg(ProgramFileDialog::Open);
        dlg.SetProgramFilter(kHtmlFilter);
        auto outcome = modal::AnswerNext<ProgramFileDialog>(
            [&](ProgramFileDialog* shown) { AcceptOrClose(shown, QStringLiteral("doc.html")); });
        QVERIFY(dlg.Pick(store, QStringLiteral("html"), m_dir.path(), ProgramFileDialog::Remember::FolderOnly));
        store.Sync();
        QCOMPARE(Stored(QStringLiteral("PathSettings/Initialdir_html")).toString(), m_dir.path());
        QVERIFY(!Stored(QStringLiteral("PathSettings/Initial_filter_html")).isValid());
    }

    // Regression: a name outside Shift-JIS was refused; any name the file
    // system holds is taken, in a folder of any name.
    void aNameOfAnyCharactersIsTaken()
    {
        for (const QString& name : {QStringLiteral("map\U0001F600.html"), QStringLiteral("naïve José's.html"),
                                    QStringLiteral("中文目录.html")}) {
            QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("Café")));
            const QString path = Path(QStringLiteral("Café/") + name);
            Touch(path);
            ProgramFileDialog dlg(ProgramFileDialog::Open);
            dlg.setDirectory(Path(QStringLiteral("Café")));
            dlg.show();
            modal::BoxWatcher boxes;
            QVERIFY(TypeAndAccept(&dlg, name));
            QCOMPARE(dlg.result(), int(QDialog::Accepted));
            QCOMPARE(boxes.Boxes().size(), size_t(0));
            QCOMPARE(dlg.ChosenPath(), path.toStdString());
        }
    }

    void savingIntoAMissingFolderIsRefused()
    {
        ProgramFileDialog dlg(ProgramFileDialog::Save);
        dlg.setDirectory(m_dir.path());
        dlg.show();
        modal::BoxWatcher boxes;
        QVERIFY(TypeAndAccept(&dlg, QStringLiteral("nowhere/map.html")));
        QTRY_COMPARE(boxes.Boxes().size(), size_t(1));
        QCOMPARE(boxes.Boxes().front().text,
                 QStringLiteral("フォルダ \"%1\" が見つかりません。\r\nパスを確認してください。")
                     .arg(Path(QStringLiteral("nowhere"))));
        QVERIFY(dlg.isVisible());
    }

    void programsAreListedWhateverTheirNames()
    {
        QDir(m_dir.path()).mkpath(QStringLiteral("bin"));
        Touch(Path(QStringLiteral("bin/viewer")), QFile::ExeOwner);
        Touch(Path(QStringLiteral("bin/notes.txt")));
        ProgramFileDialog dlg(ProgramFileDialog::Open);
        dlg.ShowExecutablesOnly();
        dlg.setDirectory(Path(QStringLiteral("bin")));
        dlg.show();
        QTRY_VERIFY(ListedNames(&dlg).contains(QStringLiteral("viewer")));
        QVERIFY(!ListedNames(&dlg).contains(QStringLiteral("notes.txt")));
    }
};

QTEST_MAIN(ProgramFileDialogTest)
#include "ProgramFileDialogTest.moc"
