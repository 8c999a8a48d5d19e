#include "app/InstalledFiles.h"

#include "services/language/ProgramLanguage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace
{

const QString kInstalledFromBin = QStringLiteral("../share/zephyrmap");
const QString kBuildTreeFromBin = QStringLiteral("share/zephyrmap");

QString Under(const QString& folder, const QString& relative)
{
    return QDir::cleanPath(folder + QLatin1Char('/') + relative);
}

} // namespace

QString InstalledFiles::ProgramDataFolder(const QString& applicationFolder)
{
    const QString installed = Under(applicationFolder, kInstalledFromBin);
    if (QFileInfo(installed).isDir())
        return installed;
    const QString buildTree = Under(applicationFolder, kBuildTreeFromBin);
    if (QFileInfo(buildTree).isDir())
        return buildTree;
    return installed;
}

QString InstalledFiles::ProgramDataFolder()
{
    return ProgramDataFolder(QCoreApplication::applicationDirPath());
}

QString InstalledFiles::HelpPagePath()
{
    const bool english = ProgramLanguage::Current() == Language::English;
    return Under(ProgramDataFolder(),
                 english ? QStringLiteral("help/index_en.html") : QStringLiteral("help/index.html"));
}

QString InstalledFiles::ReadMePath()
{
    const bool english = ProgramLanguage::Current() == Language::English;
    return Under(ProgramDataFolder(), english ? QStringLiteral("ReadMe_en.txt") : QStringLiteral("ReadMe.txt"));
}
