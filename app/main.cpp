#include "app/CZephyrmapApp.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Nimbleworks"));
    QApplication::setApplicationName(QStringLiteral("Zephyrmap!"));
    // The program speaks Japanese; Qt's own dialogs (the file dialogs' labels
    // and buttons, the standard buttons) follow when their translation is there.
    QTranslator qtTexts;
    if (qtTexts.load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);
    CZephyrmapApp zephyrmap(std::make_unique<SettingsStore>());
    return zephyrmap.Run(QApplication::arguments().mid(1));
}
