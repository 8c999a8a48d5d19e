#pragma once
// A desktop entry file of an installed application: the command its Exec
// key starts, with a file put where the key's field codes ask for one, as
// the desktop itself would start it. Only what the program needs is read.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

class DesktopEntry
{
public:
    // Nothing for a file that is not there or is no application's entry.
    static std::optional<DesktopEntry> Read(const QString& path);
    static std::optional<DesktopEntry> Parse(const QByteArray& text, const QString& path);

    // The program and its arguments that open `file`, the file always one
    // argument of its own; empty when the command cannot be read.
    QStringList CommandFor(const QString& file) const;
    // Started in a terminal: of no use for a window the user expects.
    bool RunsInTerminal() const { return m_terminal; }
    // Hidden: taken as not installed.
    bool IsHidden() const { return m_hidden; }
    const QString& Name() const { return m_name; }

    // The Exec value split into arguments by its quoting rules; nothing when
    // a quote is left open.
    static std::optional<QStringList> SplitCommand(const QString& exec);

private:
    // Field codes: %f %F %u %U the file, %c the name, %k the entry's path,
    // %% a percent sign; the others drop out.
    QStringList Expand(const QStringList& arguments, const QString& file) const;

    QString m_path;
    QString m_exec;
    QString m_name;
    bool m_terminal = false;
    bool m_hidden = false;
};
