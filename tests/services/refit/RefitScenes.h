#pragma once
// Scenes the refit's tests draw: a picture defined at every point of the
// plane (a textured ground, shapes, and lines of text in a stroke font), so
// that a test can draw it through any transform, scaled, stretched, cropped,
// padded or turned, and know exactly where each old point went. Each pixel
// is the mean of 2 x 2 samples; pixel (x, y) spans x to x + 1 and y to y + 1.

#include "services/refit/PictureTransform.h"
#include "services/types/PixelView.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace refitscenes
{

struct Colour {
    double r = 0, g = 0, b = 0;
};

struct Picture {
    int width = 0, height = 0;
    std::vector<std::uint32_t> bgrx;

    PixelView Pixels() const
    {
        return {reinterpret_cast<const std::uint8_t*>(bgrx.data()), std::ptrdiff_t(width) * 4, width, height, 4};
    }
};

// A glyph of the stroke font: segments on a grid 4 wide and 6 high.
struct Glyph {
    char c;
    std::vector<std::array<int, 4>> strokes;
};

inline const std::vector<Glyph>& Font()
{
    static const std::vector<Glyph> font = {
        {'A', {{0, 6, 2, 0}, {2, 0, 4, 6}, {1, 3, 3, 3}}},
        {'E', {{0, 0, 0, 6}, {0, 0, 4, 0}, {0, 3, 3, 3}, {0, 6, 4, 6}}},
        {'H', {{0, 0, 0, 6}, {4, 0, 4, 6}, {0, 3, 4, 3}}},
        {'M', {{0, 6, 0, 0}, {0, 0, 2, 3}, {2, 3, 4, 0}, {4, 0, 4, 6}}},
        {'P', {{0, 6, 0, 0}, {0, 0, 4, 0}, {4, 0, 4, 3}, {4, 3, 0, 3}}},
        {'R', {{0, 6, 0, 0}, {0, 0, 4, 0}, {4, 0, 4, 3}, {4, 3, 0, 3}, {1, 3, 4, 6}}},
        {'Y', {{0, 0, 2, 3}, {4, 0, 2, 3}, {2, 3, 2, 6}}},
        {'Z', {{0, 0, 4, 0}, {4, 0, 0, 6}, {0, 6, 4, 6}}},
        {'L', {{0, 0, 0, 6}, {0, 6, 4, 6}}},
        {'T', {{0, 0, 4, 0}, {2, 0, 2, 6}}},
        {'F', {{0, 0, 0, 6}, {0, 0, 4, 0}, {0, 3, 3, 3}}},
        {'K', {{0, 0, 0, 6}, {4, 0, 0, 4}, {1, 3, 4, 6}}},
        {'1', {{1, 1, 2, 0}, {2, 0, 2, 6}, {1, 6, 3, 6}}},
        {'2', {{0, 1, 1, 0}, {1, 0, 3, 0}, {3, 0, 4, 1}, {4, 1, 4, 2}, {4, 2, 0, 6}, {0, 6, 4, 6}}},
        {'4', {{3, 6, 3, 0}, {3, 0, 0, 4}, {0, 4, 4, 4}}},
        {'7', {{0, 0, 4, 0}, {4, 0, 1, 6}}},
    };
    return font;
}

struct Segment {
    double x1, y1, x2, y2;
};

// A line of text: its segments in the plane, and the box around them.
struct TextLine {
    std::vector<Segment> segments;
    double left, top, right, bottom, halfStroke;
    Colour ink;

    TextLine(const std::string& text, double x, double y, double cell, Colour colour)
        : left(x), top(y), halfStroke(cell * 0.35), ink(colour)
    {
        double at = x;
        for (char c : text) {
            for (const Glyph& g : Font()) {
                if (g.c != c)
                    continue;
                for (const auto& s : g.strokes)
                    segments.push_back({at + s[0] * cell, y + s[1] * cell, at + s[2] * cell, y + s[3] * cell});
            }
            at += 6 * cell;
        }
        right = at;
        bottom = y + 6 * cell;
    }

    bool Covers(double px, double py) const
    {
        if (px < left - halfStroke || px > right + halfStroke || py < top - halfStroke || py > bottom + halfStroke)
            return false;
        for (const Segment& s : segments) {
            const double dx = s.x2 - s.x1, dy = s.y2 - s.y1, length = dx * dx + dy * dy;
            const double t = std::clamp(((px - s.x1) * dx + (py - s.y1) * dy) / length, 0.0, 1.0);
            if (std::hypot(px - s.x1 - t * dx, py - s.y1 - t * dy) <= halfStroke)
                return true;
        }
        return false;
    }
};

struct Shape {
    enum Kind { Box, Disc, Triangle } kind;
    double cx, cy, size;
    Colour colour;

    bool Covers(double x, double y) const
    {
        const double dx = x - cx, dy = y - cy;
        switch (kind) {
        case Box:
            return std::abs(dx) <= size && std::abs(dy) <= size * 0.6;
        case Disc:
            return dx * dx + dy * dy <= size * size;
        default: // pointing up, its base below the centre
            return dy <= size * 0.5 && dy >= -size && std::abs(dx) <= (dy + size) * 0.6;
        }
    }
};

inline std::uint32_t Hash(std::int64_t x, std::int64_t y, std::uint32_t seed)
{
    std::uint64_t h = std::uint64_t(x) * 0x9E3779B97F4A7C15ull ^ std::uint64_t(y) * 0xC2B2AE3D27D4EB4Full ^ seed;
    h ^= h >> 31;
    h *= 0xBF58476D1CE4E5B9ull;
    h ^= h >> 29;
    return std::uint32_t(h);
}

// Smooth value noise from 0 to 1, `cell` pixels between its lattice points.
inline double Noise(double x, double y, double cell, std::uint32_t seed)
{
    const double fx = x / cell, fy = y / cell;
    const double ix = std::floor(fx), iy = std::floor(fy);
    const auto smooth = [](double t) { return t * t * (3 - 2 * t); };
    const double sx = smooth(fx - ix), sy = smooth(fy - iy);
    const auto at = [&](double dx, double dy) {
        return Hash(std::int64_t(ix + dx), std::int64_t(iy + dy), seed) / 4294967296.0;
    };
    const double top = at(0, 0) + (at(1, 0) - at(0, 0)) * sx, bottom = at(0, 1) + (at(1, 1) - at(0, 1)) * sx;
    return top + (bottom - top) * sy;
}

// A scene `width` x `height`: a mottled ground, shapes and three lines of
// text placed by `seed`. `plain` leaves only a few large flat shapes on a
// flat ground: a picture with little for features to hold on to.
class Scene
{
public:
    Scene(int width, int height, std::uint32_t seed, bool plain = false)
        : m_width(width), m_height(height), m_seed(seed), m_plain(plain)
    {
        const Colour palette[] = {{230, 40, 40},  {40, 170, 60},  {30, 60, 200},   {240, 200, 20},
                                  {150, 40, 170}, {20, 180, 190}, {250, 250, 250}, {20, 20, 20}};
        const int shapes = plain ? 3 : 22;
        for (int i = 0; i < shapes; ++i) {
            const std::uint32_t h = Hash(i, 7, seed);
            const double size = plain ? height / 5.0 : 12 + h % 40;
            m_shapes.push_back({Shape::Kind(h % 3), size + (h >> 8) % std::max(1, int(width - 2 * size)),
                                size + (h >> 16) % std::max(1, int(height - 2 * size)), size, palette[(h >> 24) % 8]});
        }
        if (plain)
            return;
        const char* lines[] = {"ZEPHYR MAP 2024", "AREA HREF ALT 17", "PLATFORM KEY 42"};
        for (int i = 0; i < 3; ++i) {
            const std::uint32_t h = Hash(i, 11, seed);
            m_text.emplace_back(lines[(i + h) % 3], 10 + h % (width / 4), 20 + i * height / 3.2 + (h >> 8) % 20,
                                3 + (h >> 16) % 3, palette[(h >> 20) % 8]);
        }
    }

    int Width() const { return m_width; }
    int Height() const { return m_height; }

    Colour At(double x, double y) const
    {
        for (const TextLine& line : m_text) {
            if (line.Covers(x, y))
                return line.ink;
        }
        for (auto shape = m_shapes.rbegin(); shape != m_shapes.rend(); ++shape) {
            if (shape->Covers(x, y))
                return shape->colour;
        }
        if (m_plain)
            return {200, 190, 170};
        const double n = Noise(x, y, 23, m_seed) * 90 + Noise(x, y, 6, m_seed + 1) * 50;
        return {60 + n, 70 + n * 0.8, 50 + n * 0.6};
    }

    // The scene as a new picture `width` x `height` shows it when `oldToNew`
    // carries the scene's points into it; where no old point lands the
    // picture is `padding`.
    Picture Draw(const PictureTransform& oldToNew, int width, int height, Colour padding = {255, 255, 255}) const
    {
        constexpr int kSamples = 2;
        const PictureTransform back = *oldToNew.Inverse();
        Picture picture{width, height, std::vector<std::uint32_t>(std::size_t(width) * height)};
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                Colour sum;
                for (int j = 0; j < kSamples; ++j) {
                    for (int i = 0; i < kSamples; ++i) {
                        const PlanePoint p = back.Apply({x + (i + 0.5) / kSamples, y + (j + 0.5) / kSamples});
                        const bool inside = p.x >= 0 && p.y >= 0 && p.x < m_width && p.y < m_height;
                        const Colour c = inside ? At(p.x, p.y) : padding;
                        sum.r += c.r;
                        sum.g += c.g;
                        sum.b += c.b;
                    }
                }
                const auto byte = [](double v) {
                    return std::uint32_t(std::clamp(v / (kSamples * kSamples), 0.0, 255.0));
                };
                picture.bgrx[std::size_t(y) * width + x] =
                    0xFF000000u | byte(sum.r) << 16 | byte(sum.g) << 8 | byte(sum.b);
            }
        }
        return picture;
    }

    Picture Draw() const { return Draw(PictureTransform(), m_width, m_height); }

private:
    int m_width, m_height;
    std::uint32_t m_seed;
    bool m_plain;
    std::vector<Shape> m_shapes;
    std::vector<TextLine> m_text;
};

} // namespace refitscenes
