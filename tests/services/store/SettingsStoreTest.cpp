#include "services/store/SettingsStore.h"

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

class SettingsStoreTest : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QString Ini(const char* name) const { return m_dir.filePath(QLatin1String(name)); }

private slots:
    void firstRunGivesTheDefaults()
    {
        SettingsStore store(Ini("first.ini"));
        AppSettings s;
        s.Bgcolor = 1;
        s.HtmlOption = 0;
        store.LoadSettings(s);
        QCOMPARE(s.Bgcolor, ColorRef(0xC0C0C0));
        QCOMPARE(s.OutlineColor, ColorRef(0));
        QCOMPARE(s.HatchColor, ColorRef(0xDDDDDD));
        QCOMPARE(s.Hatching, 1);
        QCOMPARE(s.HtmlOption, 10u);
        QCOMPARE(s.nIndentSpace, 2);
        QCOMPARE(s.magni, 1.0f);
        QCOMPARE(s.DEFAULTArea_Tail, 1);
        QCOMPARE(s.DefaultAreaTailInEffect, 1);
        QCOMPARE(s.OmitInPageLinkFileName, 1);
        QCOMPARE(s.nTraceTolerance, 20);
        QCOMPARE(s.nTraceSimplify, 15);
        QCOMPARE(s.IMG_App_default, 1);
        QCOMPARE(s.Browser, std::string("/usr/bin/xdg-open"));
        QVERIFY(!s.Editor.empty());
        std::array<ColorRef, 16> colors{};
        store.LoadCustomColors(colors);
        QCOMPARE(colors[15], ColorRef(0xFFFFFF));
    }

    void magnificationIsStoredAsPercent()
    {
        {
            QSettings raw(Ini("magni.ini"), QSettings::IniFormat);
            raw.setValue(QStringLiteral("Settings/magni"), 150);
        }
        SettingsStore store(Ini("magni.ini"));
        AppSettings s;
        store.LoadSettings(s);
        QCOMPARE(s.magni, 1.5f);
        s.magni = 0.5f;
        store.SaveSettings(s);
        store.Sync();
        QSettings raw(Ini("magni.ini"), QSettings::IniFormat);
        QCOMPARE(raw.value(QStringLiteral("Settings/magni")).toInt(), 50);
    }

    void valuesPersistAcrossRuns()
    {
        {
            SettingsStore store(Ini("persist.ini"));
            AppSettings s;
            s.IMG_Editor = "/opt/画像 José 😀/edit";
            s.DEFAULTArea_Tail = 0;
            s.HtmlOption = 0x6A;
            s.nTraceTolerance = 34;
            s.nTraceSimplify = 7;
            store.SaveSettings(s);
            store.SetBarVisible(QStringLiteral("MAP"), false);
        }
        SettingsStore store(Ini("persist.ini"));
        AppSettings s;
        store.LoadSettings(s);
        QCOMPARE(s.IMG_Editor, std::string("/opt/画像 José 😀/edit"));
        QCOMPARE(s.DefaultAreaTailInEffect, 0);
        QCOMPARE(s.HtmlOption, 0x6Au);
        QCOMPARE(s.nTraceTolerance, 34);
        QCOMPARE(s.nTraceSimplify, 7);
        QVERIFY(!store.BarVisible(QStringLiteral("MAP")));
        QVERIFY(store.BarVisible(QStringLiteral("MAIN")));
        QSettings raw(Ini("persist.ini"), QSettings::IniFormat);
        QCOMPARE(raw.value(QStringLiteral("Settings/IMG_Editor")).toString(), QStringLiteral("/opt/画像 José 😀/edit"));
    }

    void deletedFolderFallsBackAndOnlyConfirmWrites()
    {
        QDir(m_dir.path()).mkdir(QStringLiteral("pics"));
        const QString pics = m_dir.filePath(QStringLiteral("pics"));
        SettingsStore store(Ini("dialogs.ini"));
        QCOMPARE(store.OpenDialog(QStringLiteral("img"), QStringLiteral("/fallback")).folder,
                 SettingsStore::HomeFolder());
        store.ConfirmDialog(QStringLiteral("img"), pics + QStringLiteral("/a.png"), 2);
        SettingsStore::DialogStart start = store.OpenDialog(QStringLiteral("img"), QStringLiteral("/fallback"));
        QCOMPARE(start.folder, pics);
        QCOMPARE(start.filterIndex, 2);
        QDir(pics).removeRecursively();
        QCOMPARE(store.OpenDialog(QStringLiteral("img"), QStringLiteral("/fallback")).folder,
                 QStringLiteral("/fallback"));
        // A file in the root folder remembers the root folder.
        store.ConfirmDialog(QStringLiteral("html"), QStringLiteral("/index.html"), 1);
        QCOMPARE(store.OpenDialog(QStringLiteral("html"), QStringLiteral("/fallback")).folder, QStringLiteral("/"));
    }
};

QTEST_MAIN(SettingsStoreTest)
#include "SettingsStoreTest.moc"
