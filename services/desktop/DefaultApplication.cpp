#include "services/desktop/DefaultApplication.h"

#include <QDir>
#include <QFile>
#include <QProcessEnvironment>

namespace
{

constexpr qint64 kLargestList = 4 << 20;

// The values of `key` in group `group` of an ini-like list file, split at ';'.
QStringList ValuesIn(const QString& path, const QString& group, const QString& key)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kLargestList)
        return {};
    bool inGroup = false;
    QStringList values;
    for (const QByteArray& raw : file.read(kLargestList).split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inGroup = line == QLatin1Char('[') + group + QLatin1Char(']');
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (inGroup && equals > 0 && line.left(equals).trimmed() == key)
            values += line.mid(equals + 1).split(QLatin1Char(';'), Qt::SkipEmptyParts);
    }
    for (QString& value : values)
        value = value.trimmed();
    return values;
}

QStringList PathList(const QProcessEnvironment& env, const char* name, const QString& fallback)
{
    const QString value = env.value(QLatin1String(name));
    const QStringList list = value.split(QLatin1Char(':'), Qt::SkipEmptyParts);
    return list.isEmpty() ? fallback.split(QLatin1Char(':')) : list;
}

void AppendNew(QStringList& to, const QStringList& from, const QStringList& removed)
{
    for (const QString& id : from) {
        if (!to.contains(id) && !removed.contains(id))
            to << id;
    }
}

} // namespace

DefaultApplication::Folders DefaultApplication::Folders::FromEnvironment()
{
    const QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    const QString home = QDir::homePath();
    Folders folders;
    folders.config = PathList(env, "XDG_CONFIG_HOME", home + QStringLiteral("/.config"));
    folders.config += PathList(env, "XDG_CONFIG_DIRS", QStringLiteral("/etc/xdg"));
    folders.data = PathList(env, "XDG_DATA_HOME", home + QStringLiteral("/.local/share"));
    folders.data += PathList(env, "XDG_DATA_DIRS", QStringLiteral("/usr/local/share:/usr/share"));
    for (const QString& desktop : env.value(QStringLiteral("XDG_CURRENT_DESKTOP")).split(QLatin1Char(':'))) {
        if (!desktop.isEmpty())
            folders.desktops << desktop.toLower();
    }
    return folders;
}

// Each folder's desktop-specific lists come before its general one.
QStringList DefaultApplication::ListFiles() const
{
    QStringList folders = m_folders.config;
    for (const QString& data : m_folders.data)
        folders << data + QStringLiteral("/applications");
    QStringList files;
    for (const QString& folder : folders) {
        for (const QString& desktop : m_folders.desktops)
            files << folder + QLatin1Char('/') + desktop + QStringLiteral("-mimeapps.list");
        files << folder + QStringLiteral("/mimeapps.list");
    }
    return files;
}

QStringList DefaultApplication::Candidates(const QString& mimeType) const
{
    const QStringList lists = ListFiles();
    QStringList removed, defaults, added;
    for (const QString& list : lists) {
        // A removal in a more important file hides the association below it.
        AppendNew(defaults, ValuesIn(list, QStringLiteral("Default Applications"), mimeType), removed);
        AppendNew(added, ValuesIn(list, QStringLiteral("Added Associations"), mimeType), removed);
        removed += ValuesIn(list, QStringLiteral("Removed Associations"), mimeType);
    }
    QStringList candidates = defaults;
    AppendNew(candidates, added, removed);
    for (const QString& data : m_folders.data)
        AppendNew(
            candidates,
            ValuesIn(data + QStringLiteral("/applications/mimeinfo.cache"), QStringLiteral("MIME Cache"), mimeType),
            removed);
    return candidates;
}

// A desktop file id "vendor-app.desktop" may also live as vendor/app.desktop.
std::optional<DesktopEntry> DefaultApplication::Installed(const QString& id) const
{
    QStringList names = {id};
    const qsizetype dash = id.indexOf(QLatin1Char('-'));
    if (dash > 0)
        names << id.left(dash) + QLatin1Char('/') + id.mid(dash + 1);
    for (const QString& data : m_folders.data) {
        for (const QString& name : names) {
            const QString path = data + QStringLiteral("/applications/") + name;
            if (!QFile::exists(path))
                continue;
            std::optional<DesktopEntry> entry = DesktopEntry::Read(path);
            // The first one found hides the others, even when it is hidden.
            if (entry && entry->IsHidden())
                return std::nullopt;
            return entry;
        }
    }
    return std::nullopt;
}

std::optional<DesktopEntry> DefaultApplication::For(const QString& mimeType) const
{
    for (const QString& id : Candidates(mimeType)) {
        std::optional<DesktopEntry> entry = Installed(id);
        if (entry && !entry->RunsInTerminal())
            return entry;
    }
    return std::nullopt;
}
