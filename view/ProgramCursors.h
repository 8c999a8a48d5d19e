#pragma once
// The program's own cursors.

#include <QCursor>

class ProgramCursors
{
public:
    static QCursor Drawing();
    static QCursor Insert();
    static QCursor Copy();
    static QCursor NoDrop();
};
