#pragma once
// Shapes the tracer's tests draw, and the measures a traced outline is judged
// by. A shape knows which points of the plane are inside it, so a test can
// paint it antialiased (each pixel the mix of 4 x 4 samples) and say exactly
// which pixels it covers: those whose centre is inside, as the map's hit
// regions count them. Pixel (x, y) spans x to x + 1 and y to y + 1.

#include "services/trace/RegionTracer.h"
#include "services/types/Geometry.h"

#include <cmath>
#include <cstdint>
#include <functional>
#include <numbers>
#include <string>
#include <utility>
#include <vector>

namespace traceshapes
{

using Inside = std::function<bool(double x, double y)>;
using Outline = std::vector<std::pair<double, double>>;

// Even-odd, as the map fills its polygons.
inline bool InPolygon(const Outline& polygon, double x, double y)
{
    bool in = false;
    for (std::size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
        const auto [xi, yi] = polygon[i];
        const auto [xj, yj] = polygon[j];
        if ((yi > y) != (yj > y) && x < xi + (y - yi) * (xj - xi) / (yj - yi))
            in = !in;
    }
    return in;
}

inline Inside Polygon(Outline corners)
{
    return [corners = std::move(corners)](double x, double y) { return InPolygon(corners, x, y); };
}

inline Inside Disc(double cx, double cy, double r)
{
    return [=](double x, double y) { return std::hypot(x - cx, y - cy) <= r; };
}

// A disc with a round hole in the middle.
inline Inside Ring(double cx, double cy, double outer, double inner)
{
    return [=](double x, double y) {
        const double d = std::hypot(x - cx, y - cy);
        return d <= outer && d > inner;
    };
}

inline Outline StarCorners(double cx, double cy, double outer, double inner, int points)
{
    Outline corners;
    for (int i = 0; i < 2 * points; ++i) {
        const double angle = std::numbers::pi * i / points - std::numbers::pi / 2;
        const double r = i % 2 ? inner : outer;
        corners.emplace_back(cx + r * std::cos(angle), cy + r * std::sin(angle));
    }
    return corners;
}

// BGRX colours.
constexpr std::uint32_t Bgrx(int r, int g, int b)
{
    return 0xFF000000u | (std::uint32_t(r) << 16) | (std::uint32_t(g) << 8) | std::uint32_t(b);
}

struct Picture {
    int width = 0, height = 0;
    std::vector<std::uint32_t> bgrx;
    PixelBytes bytes = PixelBytes::Bgr; // Bgra: the fourth byte is the opacity

    TracePixels Pixels() const
    {
        return {reinterpret_cast<const std::uint8_t*>(bgrx.data()), std::ptrdiff_t(width) * 4, width, height, 4, bytes};
    }
    std::uint32_t At(int x, int y) const { return bgrx[std::size_t(y) * width + x]; }
};

// `shape` in `ink` over `paper`, each pixel the mix of 4 x 4 samples.
inline Picture Paint(int width, int height, const Inside& shape, std::uint32_t ink, std::uint32_t paper)
{
    constexpr int kSamples = 4;
    Picture picture{width, height, std::vector<std::uint32_t>(std::size_t(width) * height)};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            int covered = 0;
            for (int sy = 0; sy < kSamples; ++sy)
                for (int sx = 0; sx < kSamples; ++sx)
                    covered += shape(x + (sx + 0.5) / kSamples, y + (sy + 0.5) / kSamples) ? 1 : 0;
            std::uint32_t mixed = 0xFF000000u;
            for (int shift : {0, 8, 16}) {
                const int a = (ink >> shift) & 0xFF, b = (paper >> shift) & 0xFF;
                const int c = (a * covered + b * (kSamples * kSamples - covered) + 8) / (kSamples * kSamples);
                mixed |= std::uint32_t(c) << shift;
            }
            picture.bgrx[std::size_t(y) * width + x] = mixed;
        }
    }
    return picture;
}

// The pixels whose centre lies inside `shape`.
inline std::vector<bool> Covered(int width, int height, const Inside& shape)
{
    std::vector<bool> covered(std::size_t(width) * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            covered[std::size_t(y) * width + x] = shape(x + 0.5, y + 0.5);
    return covered;
}

inline Inside Filled(const std::vector<Point>& polygon)
{
    Outline corners;
    for (const Point& p : polygon)
        corners.emplace_back(p.x, p.y);
    return Polygon(std::move(corners));
}

// Intersection over union of two pixel sets.
inline double IoU(const std::vector<bool>& a, const std::vector<bool>& b)
{
    std::size_t both = 0, either = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        both += a[i] && b[i];
        either += a[i] || b[i];
    }
    return either ? double(both) / double(either) : 1.0;
}

// The pixels where `a` and `b` differ that lie farther than `reach` from
// any pixel of the other kind in `a`: what an outline following `a` to
// within `reach` never gets wrong.
inline int MisplacedBeyond(const std::vector<bool>& a, const std::vector<bool>& b, int width, int height, int reach)
{
    int misplaced = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const std::size_t i = std::size_t(y) * width + x;
            if (a[i] == b[i])
                continue;
            bool nearOther = false;
            for (int dy = -reach; dy <= reach && !nearOther; ++dy) {
                for (int dx = -reach; dx <= reach && !nearOther; ++dx) {
                    const int nx = x + dx, ny = y + dy;
                    if (nx >= 0 && ny >= 0 && nx < width && ny < height && dx * dx + dy * dy <= reach * reach)
                        nearOther = a[std::size_t(ny) * width + nx] != a[i];
                }
            }
            misplaced += nearOther ? 0 : 1;
        }
    }
    return misplaced;
}

inline bool WithinPicture(const std::vector<Point>& polygon, int width, int height)
{
    for (const Point& p : polygon) {
        if (p.x < 0 || p.y < 0 || p.x > width || p.y > height)
            return false;
    }
    return true;
}

// The shapes of the tests: each on a picture of its own, with a point inside
// it and the most vertices its outline should need at the default distance
// (a disc of radius 100 in at most 40).
struct Case {
    std::string name;
    int width, height;
    Inside drawn;  // what is painted
    Inside region; // what the outline should cover: the drawn shape with its holes
    Point seed;
    std::uint32_t ink, paper;
    std::size_t mostVertices;
};

inline std::vector<Case> Cases()
{
    return {
        {"disc",
         400,
         300,
         Disc(200, 150, 100),
         Disc(200, 150, 100),
         {200, 150},
         Bgrx(220, 30, 40),
         Bgrx(255, 255, 255),
         40},
        {"star",
         400,
         320,
         Polygon(StarCorners(200, 160, 140, 60, 5)),
         Polygon(StarCorners(200, 160, 140, 60, 5)),
         {200, 160},
         Bgrx(30, 60, 200),
         Bgrx(250, 230, 120),
         20},
        {"L-shape",
         400,
         300,
         Polygon({{60, 40}, {180, 40}, {180, 180}, {330, 180}, {330, 260}, {60, 260}}),
         Polygon({{60, 40}, {180, 40}, {180, 180}, {330, 180}, {330, 260}, {60, 260}}),
         {100, 200},
         Bgrx(40, 150, 60),
         Bgrx(255, 255, 255),
         8},
        {"two edges",
         300,
         240,
         Polygon({{0, 0}, {220, 0}, {140, 120}, {0, 170}}),
         Polygon({{0, 0}, {220, 0}, {140, 120}, {0, 170}}),
         {30, 30},
         Bgrx(90, 90, 90),
         Bgrx(235, 235, 225),
         8},
        {"ring",
         400,
         300,
         Ring(200, 150, 110, 45),
         Disc(200, 150, 110),
         {280, 150},
         Bgrx(240, 140, 20),
         Bgrx(20, 30, 90),
         40},
    };
}

} // namespace traceshapes
