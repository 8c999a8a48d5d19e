#include "view/ProgramCursors.h"

// Stand-ins until the drawn cursors arrive.
QCursor ProgramCursors::Drawing()
{
    return QCursor(Qt::CrossCursor);
}
QCursor ProgramCursors::Insert()
{
    return QCursor(Qt::PointingHandCursor);
}
QCursor ProgramCursors::Copy()
{
    return QCursor(Qt::DragCopyCursor);
}
QCursor ProgramCursors::NoDrop()
{
    return QCursor(Qt::ForbiddenCursor);
}
