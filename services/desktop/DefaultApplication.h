#pragma once
// The application the desktop opens a type of file with, found the way the
// desktop finds it: the default named in the mimeapps.list files of the
// user's and the system's configuration and data folders, then the
// associations added there, then the installed applications' cache.

#include "services/desktop/DesktopEntry.h"

#include <QString>
#include <QStringList>

#include <optional>

class DefaultApplication
{
public:
    // Where to look, most important first.
    struct Folders {
        QStringList config;   // $XDG_CONFIG_HOME, then $XDG_CONFIG_DIRS
        QStringList data;     // $XDG_DATA_HOME, then $XDG_DATA_DIRS
        QStringList desktops; // $XDG_CURRENT_DESKTOP, lower case
        static Folders FromEnvironment();
    };

    explicit DefaultApplication(Folders folders) : m_folders(std::move(folders)) {}

    // The first installed application for `mimeType` that opens a window of
    // its own; nothing when the desktop has none.
    std::optional<DesktopEntry> For(const QString& mimeType) const;
    // The desktop file ids in the order they are tried.
    QStringList Candidates(const QString& mimeType) const;

private:
    QStringList ListFiles() const;
    std::optional<DesktopEntry> Installed(const QString& id) const;

    Folders m_folders;
};
