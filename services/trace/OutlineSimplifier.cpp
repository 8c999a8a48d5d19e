#include "services/trace/OutlineSimplifier.h"

#include "services/trace/PolygonCheck.h"

#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <cmath>
#include <limits>

namespace
{

constexpr std::size_t kFewestCorners = 3;
// Rounds of putting back outline points where the polygon touches itself;
// each round takes back at least one point, and one round usually suffices.
constexpr int kUntangleRounds = 200;
// Halvings of the distance while looking for one that needs few enough corners.
constexpr int kSearchSteps = 30;

Point ToPoint(const cv::Point& p)
{
    return {p.x, p.y};
}

double DistanceToSegment(const cv::Point& p, const cv::Point& a, const cv::Point& b)
{
    const cv::Point2d ab = b - a, ap = p - a;
    const double length2 = ab.dot(ab);
    const double t = length2 > 0 ? std::clamp(ap.dot(ab) / length2, 0.0, 1.0) : 0.0;
    return cv::norm(ap - t * ab);
}

// Twice the area of the triangle a, b, c.
double TwiceArea(const cv::Point& a, const cv::Point& b, const cv::Point& c)
{
    return std::abs(static_cast<double>(b.x - a.x) * (c.y - a.y) - static_cast<double>(b.y - a.y) * (c.x - a.x));
}

// Drops the corner that matters least (the smallest triangle with its
// neighbours) until `maxVertices` are left: a convex polygon stays convex.
void DropLeastCorners(std::vector<cv::Point>& polygon, int maxVertices)
{
    while (maxVertices > 0 && static_cast<int>(polygon.size()) > maxVertices) {
        const std::size_t n = polygon.size();
        std::size_t least = 0;
        double leastArea = std::numeric_limits<double>::max();
        for (std::size_t i = 0; i < n; ++i) {
            const double area = TwiceArea(polygon[(i + n - 1) % n], polygon[i], polygon[(i + 1) % n]);
            if (area < leastArea) {
                least = i;
                leastArea = area;
            }
        }
        polygon.erase(polygon.begin() + static_cast<std::ptrdiff_t>(least));
    }
}

} // namespace

std::vector<Point> OutlineSimplifier::Simplify(double epsilon, int maxVertices) const
{
    if (m_outline.size() < kFewestCorners)
        return {};
    Indices corners = Within(epsilon);
    if (maxVertices > 0 && corners.size() > static_cast<std::size_t>(maxVertices))
        corners = FewerWithin(epsilon, maxVertices);
    if (corners.size() < kFewestCorners)
        return Hull(epsilon, maxVertices);
    return PointsOf(corners);
}

// The outline simplified to `epsilon` and untangled; empty when that leaves
// fewer than three corners or cannot be untangled.
OutlineSimplifier::Indices OutlineSimplifier::Within(double epsilon) const
{
    Indices corners = Approximate(epsilon);
    if (corners.size() < kFewestCorners || !Untangle(corners))
        return {};
    return corners;
}

// Douglas-Peucker on the closed outline. The corners it keeps are points of
// the outline, in the outline's order: they are found again by walking the
// outline once, so that the polygon can be refined from the outline later.
OutlineSimplifier::Indices OutlineSimplifier::Approximate(double epsilon) const
{
    std::vector<cv::Point> kept;
    cv::approxPolyDP(m_outline, kept, epsilon, true);
    if (kept.empty())
        return {};
    const int n = static_cast<int>(m_outline.size());
    const auto first = std::find(m_outline.begin(), m_outline.end(), kept.front());
    if (first == m_outline.end())
        return {};
    Indices corners;
    int at = static_cast<int>(first - m_outline.begin());
    int walked = 0;
    for (const cv::Point& p : kept) {
        while (m_outline[at] != p) {
            at = (at + 1) % n;
            if (++walked >= n)
                return {};
        }
        corners.push_back(at);
    }
    return corners;
}

// Where edges of the polygon touch, each of those edges gets back the point
// of the outline between its ends that lies farthest from it. As the polygon
// comes closer to the outline, which touches itself nowhere, the touching
// stops; usually after one round.
bool OutlineSimplifier::Untangle(Indices& corners) const
{
    for (int round = 0; round < kUntangleRounds; ++round) {
        const std::vector<int> touching = polygoncheck::TouchingEdges(PointsOf(corners));
        if (touching.empty())
            return true;
        std::vector<bool> split(corners.size(), false);
        for (int edge : touching)
            split[static_cast<std::size_t>(edge)] = true;
        Indices refined;
        bool added = false;
        for (std::size_t k = 0; k < corners.size(); ++k) {
            refined.push_back(corners[k]);
            const int between = split[k] ? Farthest(corners[k], corners[(k + 1) % corners.size()]) : -1;
            if (between >= 0) {
                refined.push_back(between);
                added = true;
            }
        }
        if (!added)
            return false;
        corners = std::move(refined);
    }
    return false;
}

// The outline point strictly between `from` and `to` (going forward) that
// lies farthest from the segment joining them; -1 when there is none.
int OutlineSimplifier::Farthest(int from, int to) const
{
    const int n = static_cast<int>(m_outline.size());
    int farthest = -1;
    double distance = -1;
    for (int i = (from + 1) % n; i != to; i = (i + 1) % n) {
        const double d = DistanceToSegment(m_outline[i], m_outline[from], m_outline[to]);
        if (d > distance) {
            farthest = i;
            distance = d;
        }
    }
    return farthest;
}

// The smallest distance from `epsilon` up (within a part in a billion of the
// outline's size) whose polygon has at most `maxVertices` corners.
OutlineSimplifier::Indices OutlineSimplifier::FewerWithin(double epsilon, int maxVertices) const
{
    const cv::Rect bounds = cv::boundingRect(m_outline);
    double fine = epsilon, coarse = std::hypot(bounds.width, bounds.height);
    Indices best;
    for (int step = 0; step < kSearchSteps; ++step) {
        const double middle = (fine + coarse) / 2;
        Indices corners = Within(middle);
        if (corners.size() > static_cast<std::size_t>(maxVertices)) {
            fine = middle;
        } else {
            coarse = middle;
            if (!corners.empty())
                best = std::move(corners);
        }
    }
    return best;
}

// The convex hull simplified the same way, for an outline too small or too
// thin to keep three corners of its own. A convex polygon never touches itself.
std::vector<Point> OutlineSimplifier::Hull(double epsilon, int maxVertices) const
{
    std::vector<cv::Point> hull, fewer;
    cv::convexHull(m_outline, hull);
    cv::approxPolyDP(hull, fewer, epsilon, true);
    if (fewer.size() >= kFewestCorners)
        hull = std::move(fewer);
    DropLeastCorners(hull, maxVertices);
    std::vector<Point> points;
    for (const cv::Point& p : hull)
        points.push_back(ToPoint(p));
    return points;
}

std::vector<Point> OutlineSimplifier::PointsOf(const Indices& corners) const
{
    std::vector<Point> points;
    points.reserve(corners.size());
    for (int i : corners)
        points.push_back(ToPoint(m_outline[static_cast<std::size_t>(i)]));
    return points;
}
