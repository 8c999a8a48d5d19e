#pragma once
// The cursors drawn for this program, rendered from their SVG sources in the
// resources (":/cursors/") at the screen's device pixel ratio. Each is 32 x 32
// logical pixels; the hot spot, in logical pixels from the top-left corner:
//
//   Drawing  (15, 15)  a thin crosshair of two 25-pixel lines, on a white rim
//                      so that it shows on light and dark pictures; the hot
//                      spot is where the lines cross
//   Insert   (15, 15)  a small plus sign, the hot spot at its centre
//   Copy     (15, 15)  a four-headed move arrow with a small plus sign at its
//                      lower right; the hot spot is the arrow's centre
//   NoDrop   (15, 15)  a struck-through ring (a list row cannot be dropped
//                      here); the hot spot is the ring's centre

#include <QCursor>
#include <QPoint>
#include <QString>

class ProgramCursors
{
public:
    static constexpr int kSize = 32;

    static QCursor Drawing();
    static QCursor Insert();
    static QCursor Copy();
    static QCursor NoDrop();

private:
    static QCursor FromSvg(const QString& resource, QPoint hotSpot);
};
