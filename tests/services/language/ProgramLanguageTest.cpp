#include "services/language/ProgramLanguage.h"
#include "services/store/SettingsStore.h"

#include <QCoreApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

class ProgramLanguageTest : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { ProgramLanguage::Install(Language::Japanese); }

    void theLanguageIsChosen_data()
    {
        QTest::addColumn<int>("setting");
        QTest::addColumn<QStringList>("uiLanguages");
        QTest::addColumn<bool>("english");
        QTest::newRow("unset: the C locale") << 0 << QStringList{"C"} << true;
        QTest::newRow("no languages at all") << 0 << QStringList{} << true;
        QTest::newRow("Japanese system") << 0 << QStringList{"ja-JP", "ja-Jpan-JP", "ja"} << false;
        QTest::newRow("Japanese, underscore") << 0 << QStringList{"ja_JP"} << false;
        QTest::newRow("English system") << 0 << QStringList{"en-US", "en-Latn-US", "en"} << true;
        QTest::newRow("British, underscore") << 0 << QStringList{"en_GB"} << true;
        QTest::newRow("German, then English") << 0 << QStringList{"de", "de-DE", "en", "en-US"} << true;
        QTest::newRow("German only: no translation, English") << 0 << QStringList{"de-DE"} << true;
        QTest::newRow("French before Japanese: the first counts") << 0 << QStringList{"fr", "ja", "en"} << true;
        QTest::newRow("Japanese before English") << 0 << QStringList{"ja", "en"} << false;
        QTest::newRow("a language merely starting with ja") << 0 << QStringList{"jav-XX"} << true;
        QTest::newRow("Japanese chosen on an English system") << 1 << QStringList{"en-US"} << false;
        QTest::newRow("English chosen on a Japanese system") << 2 << QStringList{"ja-JP"} << true;
        QTest::newRow("English chosen, no system language") << 2 << QStringList{"C"} << true;
        QTest::newRow("an unknown setting is automatic") << 7 << QStringList{"en"} << true;
        QTest::newRow("an unknown setting on a Japanese system") << 7 << QStringList{"ja"} << false;
    }
    void theLanguageIsChosen()
    {
        QFETCH(int, setting);
        QFETCH(QStringList, uiLanguages);
        QFETCH(bool, english);
        QCOMPARE(ProgramLanguage::Choose(setting, uiLanguages) == Language::English, english);
    }

    // Until something is installed the program speaks Japanese, whatever the
    // machine's locale: the tests rely on it.
    void japaneseIsTheDefault()
    {
        QCOMPARE(ProgramLanguage::Current(), Language::Japanese);
        QCOMPARE(QCoreApplication::translate("CommandTable", "ﾌｧｲﾙ(&F)"), QStringLiteral("ﾌｧｲﾙ(&F)"));
    }

    void englishIsInstalledAndTakenBackOut()
    {
        QVERIFY(ProgramLanguage::Install(Language::English));
        QCOMPARE(ProgramLanguage::Current(), Language::English);
        QCOMPARE(QCoreApplication::translate("CommandTable", "ﾌｧｲﾙ(&F)"), QStringLiteral("&File"));
        QCOMPARE(ProgramLanguage::Translate("Messages", "無題"), QStringLiteral("Untitled"));
        ProgramLanguage::Install(Language::Japanese);
        QCOMPARE(ProgramLanguage::Current(), Language::Japanese);
        QCOMPARE(QCoreApplication::translate("CommandTable", "ﾌｧｲﾙ(&F)"), QStringLiteral("ﾌｧｲﾙ(&F)"));
        QCOMPARE(ProgramLanguage::Translate("Messages", "無題"), QStringLiteral("無題"));
    }

    // zephyrmap-cli reads the choice the editor's settings sheet stored.
    void theStoredSettingIsTheEditors_data()
    {
        QTest::addColumn<int>("language");
        QTest::newRow("automatic") << 0;
        QTest::newRow("Japanese") << 1;
        QTest::newRow("English") << 2;
    }
    void theStoredSettingIsTheEditors()
    {
        QFETCH(int, language);
        QTemporaryDir home;
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home.path());
        AppSettings settings;
        settings.Language = language;
        {
            SettingsStore store;
            store.SaveSettings(settings);
            store.Sync();
        }
        QCOMPARE(ProgramLanguage::StoredSetting(), language);
        AppSettings loaded;
        SettingsStore().LoadSettings(loaded);
        QCOMPARE(loaded.Language, language);
    }

    void nothingStoredIsAutomatic()
    {
        QTemporaryDir home;
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home.path());
        QCOMPARE(ProgramLanguage::StoredSetting(), int(LanguageAuto));
    }
};

QTEST_MAIN(ProgramLanguageTest)
#include "ProgramLanguageTest.moc"
