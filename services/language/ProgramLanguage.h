#pragma once
// The language the program speaks for this run: Japanese, its own, or
// English through the translation compiled into the program. The choice is
// made once at start-up, from the "Language" setting and the system's UI
// languages, and the editor and zephyrmap-cli make it alike.
//
//     QApplication app(argc, argv); // for the editor; zephyrmap-cli has none
//     ProgramLanguage::Install(ProgramLanguage::ChooseForDesktop(setting));

#include <QString>
#include <QStringList>

enum class Language { Japanese, English };

// The values of "Language" in "Settings".
enum LanguageSetting : int {
    LanguageAuto = 0, // the system's UI language
    LanguageJapanese = 1,
    LanguageEnglish = 2,
};

class ProgramLanguage
{
public:
    // `uiLanguages` most wanted first, as QLocale gives them ("en-US", "ja",
    // "C"). Automatic gives Japanese when the first of them is Japanese and
    // English for any other, an unset language (the C locale) included.
    static Language Choose(int setting, const QStringList& uiLanguages);
    // Choose with the desktop's languages, as the environment of this run
    // names them.
    static Language ChooseForDesktop(int setting);
    // Loads the translations of `language` (Qt's own Japanese for its
    // dialogs, or our English) and installs them into the running
    // application, when there is one; false when a translation could not be
    // loaded. zephyrmap-cli runs without an application object (the
    // pictures' palette must not take it for a QGuiApplication) and asks
    // Translate instead.
    static bool Install(Language language);
    // A text of the program in the language installed, with or without an
    // application object.
    static QString Translate(const char* context, const char* source);
    // A text with a count, "%n", in the form the count takes (English: one
    // character, 2 characters), the count written in it.
    static QString Translate(const char* context, const char* source, int count);
    // The language installed last; Japanese until something is installed,
    // so tests speak Japanese whatever the machine's locale.
    static Language Current();
    // The setting as the editor stored it in the user's settings, for
    // zephyrmap-cli, which has no settings of its own.
    static int StoredSetting();
    // The compiled translation, in the program's resources.
    static QString EnglishTranslation();
};
