#pragma once
// Where the files shipped beside the program are: the help page, the ReadMe
// and the rest of its data. An installed program finds them in
// <prefix>/share/zephyrmap beside its <prefix>/bin; a program run where it was
// built finds the copies the build keeps in share/zephyrmap of the build
// folder, which mirrors the installed layout.

#include <QString>

class InstalledFiles
{
public:
    // The data folder of the running program.
    static QString ProgramDataFolder();
    // The help page in the language of the run.
    static QString HelpPagePath();
    static QString ReadMePath();

    // The data folder of a program started from applicationFolder: the
    // installed folder when it exists, else the build tree's, else the
    // installed one, so that a missing file is reported where it belongs.
    static QString ProgramDataFolder(const QString& applicationFolder);
};
