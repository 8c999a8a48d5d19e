#include "services/language/ProgramLanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

namespace
{

Language& CurrentLanguage()
{
    static Language language = Language::Japanese;
    return language;
}

// Installed translators stay for the rest of the run.
QTranslator& ProgramTranslator()
{
    static QTranslator translator;
    return translator;
}

QTranslator& QtTranslator()
{
    static QTranslator translator;
    return translator;
}

bool Speaks(const QString& uiLanguage, const char* code)
{
    const QString language = uiLanguage.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0);
    return language.compare(QLatin1String(code), Qt::CaseInsensitive) == 0;
}

} // namespace

Language ProgramLanguage::Choose(int setting, const QStringList& uiLanguages)
{
    if (setting == LanguageJapanese)
        return Language::Japanese;
    if (setting == LanguageEnglish)
        return Language::English;
    // Only the desktop's first language counts: a Japanese desktop gets the
    // program's own texts, and everyone else, the C locale included, reads
    // English sooner than a language they may not read at all.
    if (!uiLanguages.isEmpty() && Speaks(uiLanguages.first(), "ja"))
        return Language::Japanese;
    return Language::English;
}

Language ProgramLanguage::ChooseForDesktop(int setting)
{
    return Choose(setting, QLocale::system().uiLanguages());
}

bool ProgramLanguage::Install(Language language)
{
    if (QCoreApplication::instance()) {
        QCoreApplication::removeTranslator(&ProgramTranslator());
        QCoreApplication::removeTranslator(&QtTranslator());
    }
    CurrentLanguage() = language;
    // The program's own texts are Japanese already; Qt's dialogs (the file
    // dialogs' labels and buttons, the standard buttons) follow when their
    // translation is there.
    QTranslator& translator = language == Language::English ? ProgramTranslator() : QtTranslator();
    const bool loaded =
        language == Language::English
            ? translator.load(EnglishTranslation())
            : translator.load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (loaded && QCoreApplication::instance())
        QCoreApplication::installTranslator(&translator);
    return loaded;
}

QString ProgramLanguage::Translate(const char* context, const char* source)
{
    if (CurrentLanguage() == Language::English && !ProgramTranslator().isEmpty()) {
        const QString translated = ProgramTranslator().translate(context, source);
        if (!translated.isNull())
            return translated;
    }
    return QString::fromUtf8(source);
}

QString ProgramLanguage::Translate(const char* context, const char* source, int count)
{
    QString translated = QString::fromUtf8(source);
    if (CurrentLanguage() == Language::English && !ProgramTranslator().isEmpty()) {
        const QString numerus = ProgramTranslator().translate(context, source, nullptr, count);
        if (!numerus.isNull())
            translated = numerus;
    }
    return translated.replace(QStringLiteral("%n"), QString::number(count));
}

Language ProgramLanguage::Current()
{
    return CurrentLanguage();
}

int ProgramLanguage::StoredSetting()
{
    const QSettings store(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Nimbleworks"),
                          QStringLiteral("Zephyrmap!"));
    bool ok = false;
    const int setting = store.value(QStringLiteral("Settings/Language")).toInt(&ok);
    return ok ? setting : LanguageAuto;
}

QString ProgramLanguage::EnglishTranslation()
{
    return QStringLiteral(":/translations/zephyrmap_en.qm");
}
