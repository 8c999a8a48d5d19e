#include "model/CMapData.h"

#include "services/settings/AppSettings.h"

#include <gtest/gtest.h>

namespace
{

CMapData Make(int shape, std::vector<Point> points)
{
    CMapData a;
    a.m_shape = shape;
    a.m_points = std::move(points);
    a.BuildRegion();
    return a;
}

CMapData Square(int shape, int l, int t, int r, int b)
{
    return Make(shape, {{l, t}, {r, t}, {r, b}, {l, b}});
}

} // namespace

TEST(CMapData, NewRecordIsEmpty)
{
    CMapData a;
    EXPECT_EQ(a.m_shape, ShapeNone);
    EXPECT_TRUE(a.m_points.empty());
    EXPECT_TRUE(a.m_href.empty() && a.m_target.empty() && a.m_alt.empty() && a.m_otherAttrs.empty());
    EXPECT_EQ(a.m_noHref, 0);
    EXPECT_EQ(a.m_hrefIsPath, 0);
    EXPECT_TRUE(a.Region().IsEmpty());
    EXPECT_TRUE(a.HasNoAttributes());
}

TEST(CMapData, FormatCoordsOfEachShape)
{
    EXPECT_EQ(Square(ShapeCirc, 10, 10, 31, 31).FormatCoords(), "20,20,10");
    // Point 2 left of point 0: a negative radius, as computed.
    EXPECT_EQ(Square(ShapeCirc, 30, 30, 10, 10).FormatCoords(), "20,20,-10");
    EXPECT_EQ(Square(ShapeRect, 10, 20, 50, 60).FormatCoords(), "10,20,50,60");
    // A polygon lists each vertex once: a traced room of four corners was
    // written with five, its first corner again at the end.
    EXPECT_EQ(Make(ShapePoly, {{0, 0}, {10, 0}, {5, 8}}).FormatCoords(), "0,0,10,0,5,8");
    EXPECT_EQ(Make(ShapePoly, {{-3, 4}, {10, -7}, {5, 8}}).FormatCoords(), "-3,4,10,-7,5,8");
    EXPECT_EQ(Make(ShapePoly, {{1, 1}, {9, 1}, {9, 9}, {1, 9}}).FormatCoords(), "1,1,9,1,9,9,1,9");
    EXPECT_EQ(Make(ShapePoly, {}).FormatCoords(), "");
    EXPECT_EQ(Make(ShapeDefault, {{0, 0}, {0, 0}}).FormatCoords(), "0,0,0,0");
    EXPECT_EQ(Make(ShapeDefault, {{10, 20}}).FormatCoords(), "");
    EXPECT_EQ(Make(ShapeRect, {{1, 2}, {3, 4}}).FormatCoords(), "");
    EXPECT_EQ(Make(ShapeNone, {{1, 2}, {3, 4}}).FormatCoords(), "");
}

TEST(CMapData, CopiesAreDeep)
{
    CMapData a = Square(ShapeRect, 0, 0, 10, 10);
    a.m_href = "x.html";
    a.m_noHref = 1;
    CMapData b(a);
    b.m_points[0].x = 5;
    b.m_href = "y";
    EXPECT_EQ(a.m_points[0].x, 0);
    EXPECT_EQ(a.m_href, "x.html");
    EXPECT_EQ(b.m_noHref, 1);
    CMapData c;
    c = a;
    EXPECT_TRUE(a.ContainsPoint(1, 1)); // the region is made, and then moves with the area
    a.OffsetBy(100, 100);
    EXPECT_TRUE(c.ContainsPoint(1, 1));
    EXPECT_FALSE(a.ContainsPoint(1, 1));
    EXPECT_TRUE(a.ContainsPoint(101, 101));
}

TEST(CMapData, MoveToLeavesTheDefaultAreaAlone)
{
    CMapData def = Make(ShapeDefault, {{0, 0}, {0, 0}});
    def.MoveTo(50, 50);
    EXPECT_EQ(def.m_points[0], (Point{0, 0}));
    CMapData r = Square(ShapeRect, 10, 10, 20, 20);
    r.MoveTo(0, 5);
    EXPECT_EQ(r.m_points[2], (Point{10, 15}));
    EXPECT_TRUE(r.ContainsPoint(0, 5));
}

TEST(CMapData, VertexOperationsOnPolygonsOnly)
{
    CMapData p = Make(ShapePoly, {{0, 0}, {10, 0}, {5, 8}});
    EXPECT_EQ(p.MoveVertex(1, 20, 0), (Point{10, 0}));
    EXPECT_EQ(p.m_points[1], (Point{20, 0}));
    EXPECT_EQ(p.MoveVertex(3, 1, 1), (Point{1, 1})); // bad index returns the argument
    p.InsertVertex(1, 10, -5);
    ASSERT_EQ(p.m_points.size(), 4u);
    EXPECT_EQ(p.m_points[1], (Point{10, -5}));
    p.InsertVertex(4, 0, 0); // index must be below the count
    EXPECT_EQ(p.m_points.size(), 4u);
    p.DeleteVertex(1);
    EXPECT_EQ(p.m_points.size(), 3u);

    CMapData r = Square(ShapeRect, 0, 0, 10, 10);
    EXPECT_EQ(r.MoveVertex(0, 3, 3), (Point{3, 3}));
    r.InsertVertex(0, 1, 1);
    r.DeleteVertex(0);
    EXPECT_EQ(r.m_points, Square(ShapeRect, 0, 0, 10, 10).m_points);
}

TEST(CMapData, DragRectCorner)
{
    CMapData r = Square(ShapeRect, 10, 10, 50, 40);
    r.DragRectCorner(60, 45, 0, false);
    EXPECT_EQ(r.m_points, (std::vector<Point>{{60, 45}, {50, 45}, {50, 40}, {60, 40}}));
    CMapData n = Square(ShapeRect, 10, 10, 50, 40);
    n.DragRectCorner(60, 45, 0, true);
    EXPECT_EQ(n.m_points, (std::vector<Point>{{50, 40}, {60, 40}, {60, 45}, {50, 45}}));
    EXPECT_TRUE(n.ContainsPoint(55, 42));
    CMapData odd = Square(ShapeRect, 10, 10, 50, 40);
    odd.DragRectCorner(70, 5, 1, false); // corner 1: previous takes y, next takes x
    EXPECT_EQ(odd.m_points, (std::vector<Point>{{10, 5}, {70, 5}, {70, 40}, {10, 40}}));
    CMapData circle = Square(ShapeCirc, 0, 0, 10, 10);
    circle.DragRectCorner(60, 45, 0, false);
    EXPECT_EQ(circle.m_points[0], (Point{0, 0}));
}

TEST(CMapData, DragRectEdge)
{
    CMapData r = Square(ShapeRect, 10, 10, 50, 40);
    r.DragRectEdge(0, 5, 0, false);
    EXPECT_EQ(r.m_points[0].y, 5);
    EXPECT_EQ(r.m_points[1].y, 5);
    r.DragRectEdge(70, 0, 1, false);
    EXPECT_EQ(r.m_points[1].x, 70);
    EXPECT_EQ(r.m_points[2].x, 70);
    r.DragRectEdge(0, 2, 2, true); // bottom above the top: normalised
    EXPECT_EQ(r.m_points, (std::vector<Point>{{10, 2}, {70, 2}, {70, 5}, {10, 5}}));
    r.DragRectEdge(80, 0, 3, true);
    EXPECT_EQ(r.m_points, (std::vector<Point>{{70, 2}, {80, 2}, {80, 5}, {70, 5}}));
    EXPECT_EQ(r.Region().GetKind(), HitRegion::Kind::Polygon);
}

TEST(CMapData, DragCircleCorner)
{
    CMapData c = Square(ShapeCirc, 0, 0, 20, 20);
    c.DragCircleCorner(30, 10, 2, false);
    EXPECT_EQ(c.m_points, (std::vector<Point>{{0, 0}, {22, 0}, {22, 22}, {0, 22}}));
    EXPECT_EQ(c.Region().GetKind(), HitRegion::Kind::Ellipse);
    // Dragging corner 0 past the fixed corner 2: without normalising the fixed
    // corner stays at index 2.
    CMapData d = Square(ShapeCirc, 0, 0, 20, 20);
    d.DragCircleCorner(40, 34, 0, false); // s = trunc(24.41 * 0.7071) = 17
    EXPECT_EQ(d.m_points[2], (Point{20, 20}));
    EXPECT_EQ(d.m_points[0], (Point{37, 37}));
    CMapData e = Square(ShapeCirc, 0, 0, 20, 20);
    e.DragCircleCorner(40, 34, 0, true);
    EXPECT_EQ(e.m_points[0], (Point{20, 20}));
    EXPECT_EQ(e.m_points[2], (Point{37, 37}));
    CMapData rect = Square(ShapeRect, 0, 0, 20, 20);
    rect.DragCircleCorner(30, 10, 2, false);
    EXPECT_EQ(rect.m_points[2], (Point{20, 20}));
}

TEST(CMapData, BoundsAndShapeRect)
{
    CMapData two = Make(ShapeDefault, {{5, 5}, {10, 20}});
    EXPECT_EQ(two.GetScreenBounds(2.0f), (Rect{0, 0, 30, 50}));
    EXPECT_EQ(Make(ShapeDefault, {{5, 5}}).GetScreenBounds(1.0f), Rect{});
    EXPECT_EQ(Square(ShapeRect, 3, 3, 7, 9).GetScreenBounds(0.5f), (Rect{-9, -9, 13, 14}));
    EXPECT_EQ(Square(ShapeRect, 50, 40, 10, 10).GetShapeRect(), (Rect{10, 10, 50, 40}));
    EXPECT_EQ(Make(ShapePoly, {{0, 0}, {1, 0}, {1, 1}, {0, 1}}).GetShapeRect(), Rect{});
}

TEST(CMapData, Attributes)
{
    CMapData a;
    a.SetAttributes(std::string("/web/a.html"), std::nullopt, std::string("alt"), 1, -1, std::nullopt);
    EXPECT_EQ(a.m_href, "/web/a.html");
    EXPECT_EQ(a.m_hrefIsPath, 1);
    EXPECT_EQ(a.m_alt, "alt");
    EXPECT_EQ(a.m_noHref, 0);
    a.SetAttributes(std::nullopt, std::string("_top"), std::nullopt, 0, 1, std::string("onclick=\"x\""));
    EXPECT_EQ(a.m_hrefIsPath, 1); // the flag goes only with a link target
    EXPECT_EQ(a.m_noHref, 1);
    EXPECT_EQ(a.m_target, "_top");
    a.ReplaceAnchor("#sec");
    EXPECT_EQ(a.m_href, "/web/a.html#sec");
    a.ReplaceAnchor("#two");
    EXPECT_EQ(a.m_href, "/web/a.html#two");

    CMapData flagOnly;
    flagOnly.m_noHref = 1;
    EXPECT_FALSE(flagOnly.HasNoAttributes());
}

TEST(CMapData, OutputHrefFollowsTheSettings)
{
    AppSettings s;
    CMapData a;
    a.SetAttributes(std::string("/web/index.html#top"), std::nullopt, std::nullopt, 1, -1, std::nullopt);
    EXPECT_TRUE(a.IsInPageLink("/web/index.html"));
    EXPECT_FALSE(a.IsInPageLink("/web/other.html"));
    EXPECT_EQ(a.GetOutputHref("/web/index.html", s), "index.html#top");
    s.HREF_RelativePath = 1;
    EXPECT_EQ(a.GetOutputHref("/web/index.html", s), "#top");
    s.OmitInPageLinkFileName = 0;
    EXPECT_EQ(a.GetOutputHref("/web/index.html", s), "./index.html#top");
    a.m_hrefIsPath = 0;
    EXPECT_FALSE(a.IsInPageLink("/web/index.html"));
    EXPECT_EQ(a.GetOutputHref("/web/index.html", s), "/web/index.html#top");
}
