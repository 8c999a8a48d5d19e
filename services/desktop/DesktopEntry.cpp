#include "services/desktop/DesktopEntry.h"

#include <QFile>

namespace
{

constexpr qint64 kLargestEntry = 1 << 20;

// The escapes every string value may hold: \s \n \t \r \\.
QString Unescaped(const QString& value)
{
    QString out;
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c != QLatin1Char('\\') || i + 1 == value.size()) {
            out += c;
            continue;
        }
        const QChar next = value[++i];
        switch (next.unicode()) {
        case 's':
            out += QLatin1Char(' ');
            break;
        case 'n':
            out += QLatin1Char('\n');
            break;
        case 't':
            out += QLatin1Char('\t');
            break;
        case 'r':
            out += QLatin1Char('\r');
            break;
        case '\\':
            out += next;
            break;
        default: // the escapes of the Exec key's own quoting, read there
            out += QLatin1Char('\\');
            out += next;
            break;
        }
    }
    return out;
}

bool IsTrue(const QString& value)
{
    return value.trimmed() == QLatin1String("true");
}

} // namespace

std::optional<DesktopEntry> DesktopEntry::Read(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kLargestEntry)
        return std::nullopt;
    return Parse(file.read(kLargestEntry), path);
}

// Only the [Desktop Entry] group counts, and only its untranslated keys.
std::optional<DesktopEntry> DesktopEntry::Parse(const QByteArray& text, const QString& path)
{
    DesktopEntry entry;
    entry.m_path = path;
    bool inEntry = false;
    QString type;
    for (const QByteArray& raw : text.split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inEntry = line == QLatin1String("[Desktop Entry]");
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (!inEntry || line.startsWith(QLatin1Char('#')) || equals <= 0)
            continue;
        const QString key = line.left(equals).trimmed();
        const QString value = line.mid(equals + 1).trimmed();
        if (key == QLatin1String("Type"))
            type = value;
        else if (key == QLatin1String("Exec"))
            entry.m_exec = Unescaped(value);
        else if (key == QLatin1String("Name"))
            entry.m_name = Unescaped(value);
        else if (key == QLatin1String("Terminal"))
            entry.m_terminal = IsTrue(value);
        else if (key == QLatin1String("Hidden"))
            entry.m_hidden = IsTrue(value);
    }
    if (type != QLatin1String("Application") || entry.m_exec.isEmpty())
        return std::nullopt;
    return entry;
}

// Arguments are separated by blanks; a double-quoted one may hold blanks,
// and within it a backslash takes the next character as it is.
std::optional<QStringList> DesktopEntry::SplitCommand(const QString& exec)
{
    QStringList arguments;
    QString current;
    bool inArgument = false, quoted = false;
    for (qsizetype i = 0; i < exec.size(); ++i) {
        const QChar c = exec[i];
        if (quoted) {
            if (c == QLatin1Char('\\') && i + 1 < exec.size())
                current += exec[++i];
            else if (c == QLatin1Char('"'))
                quoted = false;
            else
                current += c;
        } else if (c == QLatin1Char('"')) {
            quoted = inArgument = true;
        } else if (c == QLatin1Char(' ') || c == QLatin1Char('\t')) {
            if (inArgument)
                arguments << current;
            current.clear();
            inArgument = false;
        } else {
            current += c;
            inArgument = true;
        }
    }
    if (quoted)
        return std::nullopt;
    if (inArgument)
        arguments << current;
    return arguments;
}

QStringList DesktopEntry::Expand(const QStringList& arguments, const QString& file) const
{
    QStringList out;
    bool fileGiven = false;
    for (const QString& argument : arguments) {
        static const QStringList kFileCodes = {QStringLiteral("%f"), QStringLiteral("%F"), QStringLiteral("%u"),
                                               QStringLiteral("%U")};
        if (kFileCodes.contains(argument)) {
            if (!fileGiven)
                out << file;
            fileGiven = true;
            continue;
        }
        QString expanded;
        for (qsizetype i = 0; i < argument.size(); ++i) {
            if (argument[i] != QLatin1Char('%') || i + 1 == argument.size()) {
                expanded += argument[i];
                continue;
            }
            const QChar code = argument[++i];
            if (code == QLatin1Char('%'))
                expanded += QLatin1Char('%');
            else if (code == QLatin1Char('c'))
                expanded += m_name;
            else if (code == QLatin1Char('k'))
                expanded += m_path;
        }
        if (!expanded.isEmpty() || !argument.startsWith(QLatin1Char('%')))
            out << expanded;
    }
    // An entry that takes no file is given it all the same: that is what
    // it was chosen for.
    if (!fileGiven)
        out << file;
    return out;
}

QStringList DesktopEntry::CommandFor(const QString& file) const
{
    const std::optional<QStringList> arguments = SplitCommand(m_exec);
    if (!arguments || arguments->isEmpty())
        return {};
    QStringList command = Expand(*arguments, file);
    if (command.isEmpty() || command.front().isEmpty())
        return {};
    return command;
}
