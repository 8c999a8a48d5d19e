#include "app/CZephyrmapApp.h"
#include "services/language/ProgramLanguage.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Nimbleworks"));
    QApplication::setApplicationName(QStringLiteral("Zephyrmap!"));
    auto store = std::make_unique<SettingsStore>();
    // The program speaks Japanese, or English where the settings or the
    // system ask for it; the language is chosen before any window is made.
    AppSettings settings;
    store->LoadSettings(settings);
    ProgramLanguage::Install(ProgramLanguage::ChooseForDesktop(settings.Language));
    CZephyrmapApp zephyrmap(std::move(store));
    return zephyrmap.Run(QApplication::arguments().mid(1));
}
