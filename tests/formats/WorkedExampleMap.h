#pragma once
// The map of the output format's worked example: a DEFAULT area, a
// rectangle, a circle and a triangle without a link, for the writers' tests.

#include "model/CZephyrmapDoc.h"

#include <memory>
#include <string>
#include <vector>

inline std::unique_ptr<CMapData> Area(int shape, std::vector<Point> pts, std::string href = "", int isPath = 0)
{
    auto a = std::make_unique<CMapData>();
    a->m_shape = shape;
    a->m_points = std::move(pts);
    a->m_href = std::move(href);
    a->m_hrefIsPath = isPath;
    return a;
}

// Areas go where the document's own rule puts them.
inline void FillWorkedExampleMap(CZephyrmapDoc& doc)
{
    doc.SetAttribute(AttrMapName, "ZephyrmapMap");
    doc.SetAttribute(AttrImageSrc, "/web/img/photo.jpg");
    doc.SetAttribute(AttrHtmlPath, "/web/index.html");
    doc.SetAttribute(AttrWidth, "400");
    doc.SetAttribute(AttrHeight, "300");
    doc.InsertArea(Area(ShapeDefault, {{0, 0}, {0, 0}}, "/web/index.html#top", 1));
    auto rect = Area(ShapeRect, {{10, 20}, {110, 20}, {110, 70}, {10, 70}}, "/web/a.html", 1);
    rect->m_alt = "A";
    doc.InsertArea(std::move(rect));
    auto circle = Area(ShapeCirc, {{200, 50}, {260, 50}, {260, 110}, {200, 110}}, "b.html");
    circle->m_target = "_blank";
    doc.InsertArea(std::move(circle));
    auto tri = Area(ShapePoly, {{0, 0}, {50, 0}, {25, 40}});
    tri->m_noHref = 1;
    doc.InsertArea(std::move(tri));
}
