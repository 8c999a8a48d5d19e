#include "app/CMainFrame.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Nimbleworks"));
    QApplication::setApplicationName(QStringLiteral("Zephyrmap!"));
    CMainFrame frame;
    frame.show();
    return QApplication::exec();
}
