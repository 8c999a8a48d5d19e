#pragma once
// The status bar's coordinates pane: where the pointer is in the picture;
// while an area is drawn, moved or reshaped, where that area is and how
// large: a rectangle's corner, width and height, a circle's centre and
// radius; for a polygon, where the pointer is beside its vertex count, since
// its next vertex goes there.

#include "services/types/Geometry.h"

#include <QString>

class CMapData;

namespace coordinatestatus
{

QString PointerText(Point p);
QString ShapeText(const CMapData& area, Point pointer);
// For the prompt pane while the pointer rests over an area: where it leads
// (or that it leads nowhere) and its ALT.
QString LinkText(const CMapData& area);

} // namespace coordinatestatus
