#pragma once
// What the editor says when a file could not be saved: the program's own
// sentence naming the file once, and why: in the program's words where it
// can tell (a folder or a device by that name, a folder that is not there,
// no leave to write), else the system's reason, which names no file.

#include <QCoreApplication>
#include <QString>

#include <string>

class SaveFailure
{
    Q_DECLARE_TR_FUNCTIONS(SaveFailure)

public:
    static QString Message(const QString& path, const std::string& systemReason);

private:
    // Empty when the program cannot tell.
    static QString Reason(const QString& path);
};
