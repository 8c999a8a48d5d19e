#include "app/CZephyrmapApp.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Nimbleworks"));
    QApplication::setApplicationName(QStringLiteral("Zephyrmap!"));
    CZephyrmapApp zephyrmap(std::make_unique<SettingsStore>());
    return zephyrmap.Run(QApplication::arguments().mid(1));
}
