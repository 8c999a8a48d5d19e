#include "app/InstalledFiles.h"
#include "services/language/ProgramLanguage.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

class InstalledFilesTest : public QObject
{
    Q_OBJECT
private slots:
    // Folders made under a temporary root: the program's folder, the folders
    // that exist, and the data folder expected.
    void theDataFolderIsFoundBesideTheProgram_data()
    {
        QTest::addColumn<QString>("programFolder");
        QTest::addColumn<QStringList>("existing");
        QTest::addColumn<QString>("expected");
        QTest::newRow("installed") << QStringLiteral("prefix/bin") << QStringList{"prefix/share/zephyrmap"}
                                   << QStringLiteral("prefix/share/zephyrmap");
        QTest::newRow("build tree") << QStringLiteral("build") << QStringList{"build/share/zephyrmap"}
                                    << QStringLiteral("build/share/zephyrmap");
        QTest::newRow("tests inside the build tree")
            << QStringLiteral("build/tests") << QStringList{"build/share/zephyrmap"}
            << QStringLiteral("build/share/zephyrmap");
        QTest::newRow("installed wins over a share folder beside the program")
            << QStringLiteral("prefix/bin") << QStringList{"prefix/share/zephyrmap", "prefix/bin/share/zephyrmap"}
            << QStringLiteral("prefix/share/zephyrmap");
        QTest::newRow("neither: the installed place, so a missing file is named there")
            << QStringLiteral("prefix/bin") << QStringList{} << QStringLiteral("prefix/share/zephyrmap");
    }
    void theDataFolderIsFoundBesideTheProgram()
    {
        QFETCH(QString, programFolder);
        QFETCH(QStringList, existing);
        QFETCH(QString, expected);
        QTemporaryDir root;
        QVERIFY(root.isValid());
        QDir dir(root.path());
        QVERIFY(dir.mkpath(programFolder));
        for (const QString& folder : existing)
            QVERIFY(dir.mkpath(folder));
        QCOMPARE(InstalledFiles::ProgramDataFolder(dir.filePath(programFolder)), dir.filePath(expected));
    }

    void aShareFileInsteadOfAFolderIsPassedOver()
    {
        QTemporaryDir root;
        QDir dir(root.path());
        QVERIFY(dir.mkpath(QStringLiteral("build/share/zephyrmap")));
        QVERIFY(dir.mkpath(QStringLiteral("share")));
        QFile stray(dir.filePath(QStringLiteral("share/zephyrmap")));
        QVERIFY(stray.open(QIODevice::WriteOnly));
        stray.close();
        QCOMPARE(InstalledFiles::ProgramDataFolder(dir.filePath(QStringLiteral("build"))),
                 dir.filePath(QStringLiteral("build/share/zephyrmap")));
    }

    // This test runs from the build tree, where the build copies the help
    // page and the ReadMe as an installation lays them out.
    void theBuildTreeHasTheHelpPageAndTheReadMe()
    {
        QVERIFY2(QFile::exists(InstalledFiles::HelpPagePath()), qPrintable(InstalledFiles::HelpPagePath()));
        QVERIFY2(QFile::exists(InstalledFiles::ReadMePath()), qPrintable(InstalledFiles::ReadMePath()));
        QCOMPARE(QFileInfo(InstalledFiles::HelpPagePath()).fileName(), QStringLiteral("index.html"));
        QCOMPARE(QFileInfo(InstalledFiles::HelpPagePath()).dir().dirName(), QStringLiteral("help"));
        QCOMPARE(QFileInfo(InstalledFiles::ReadMePath()).fileName(), QStringLiteral("ReadMe.txt"));
        QCOMPARE(QFileInfo(InstalledFiles::ReadMePath()).dir(), QDir(InstalledFiles::ProgramDataFolder()));
    }

    // "Read the ReadMe File" in English opens the English read-me, which
    // the build lays out beside the Japanese one.
    void inEnglishTheReadMeIsTheEnglishOne()
    {
        const QString japanese = InstalledFiles::ReadMePath();
        QVERIFY(ProgramLanguage::Install(Language::English));
        const QString english = InstalledFiles::ReadMePath();
        ProgramLanguage::Install(Language::Japanese);
        QCOMPARE(QFileInfo(japanese).fileName(), QStringLiteral("ReadMe.txt"));
        QCOMPARE(QFileInfo(english).fileName(), QStringLiteral("ReadMe_en.txt"));
        QCOMPARE(QFileInfo(english).dir(), QFileInfo(japanese).dir());
        QFile readMe(english);
        QVERIFY2(readMe.open(QIODevice::ReadOnly), qPrintable(english));
        const QString text = QString::fromUtf8(readMe.readAll());
        QVERIFY(text.contains(QStringLiteral("Image map editor")));
        QVERIFY(!text.contains(QRegularExpression(QStringLiteral("[\\x{3040}-\\x{30FF}\\x{4E00}-\\x{9FFF}]"))));
    }

    // F1 in English opens the English page, beside the Japanese one.
    void inEnglishTheHelpPageIsTheEnglishOne()
    {
        const QString japanese = InstalledFiles::HelpPagePath();
        QVERIFY(ProgramLanguage::Install(Language::English));
        const QString english = InstalledFiles::HelpPagePath();
        ProgramLanguage::Install(Language::Japanese);
        QCOMPARE(QFileInfo(english).fileName(), QStringLiteral("index_en.html"));
        QCOMPARE(QFileInfo(english).dir(), QFileInfo(japanese).dir());
        QVERIFY2(QFile::exists(english), qPrintable(english));
        QFile page(english);
        QVERIFY(page.open(QIODevice::ReadOnly));
        QVERIFY(page.readAll().contains("<html lang=\"en\">"));
        QCOMPARE(InstalledFiles::HelpPagePath(), japanese);
    }
};

QTEST_MAIN(InstalledFilesTest)
#include "InstalledFilesTest.moc"
