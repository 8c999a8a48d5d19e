#pragma once
// The pictures image maps are made of, drawn for the tracer's tests: two
// halves parted by a line one pixel wide, a map of countries in close pastel
// fills with borders one pixel wide and a dark name printed over one of
// them, a grey disc on a see-through ground, and a photograph's sky over a
// ground, both with gradients and noise. Each knows which pixels belong to
// which region, so that a test can say what a trace should have covered.

#include "tests/services/trace/TraceShapes.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

namespace mappictures
{

using traceshapes::Bgrx;
using traceshapes::Picture;

// A white picture of 100 x 60 parted at x = 50 by a line of `line`.
inline Picture Halves(std::uint32_t line)
{
    constexpr int kWidth = 100, kHeight = 60, kLine = 50;
    Picture picture{kWidth, kHeight, std::vector<std::uint32_t>(kWidth * kHeight, Bgrx(255, 255, 255))};
    for (int y = 0; y < kHeight; ++y)
        picture.bgrx[std::size_t(y) * kWidth + kLine] = line;
    return picture;
}

// Countries around a few capitals, each pixel belonging to the nearest one,
// in pastel fills a tolerance of 20 would not tell apart, parted by borders
// one pixel wide: a pixel whose right or lower neighbour belongs to another
// country is border, so no two countries' pixels touch along a side. The
// middle country carries a dark name, three letters drawn antialiased with
// strokes 1.6 pixels wide.
class CountryMap
{
public:
    static constexpr int kWidth = 240, kHeight = 160;
    static constexpr int kNamed = 2; // the middle country
    // The name's letters: 7 x 11 pixels each, 3 apart, the first from (98, 74).
    static constexpr int kNameLeft = 98, kNameTop = 74, kLetterWidth = 7, kLetterHeight = 11, kLetterGap = 3;

    CountryMap()
    {
        m_picture = {kWidth, kHeight, std::vector<std::uint32_t>(kWidth * kHeight)};
        m_country.resize(std::size_t(kWidth) * kHeight);
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                m_country[Index(x, y)] = Nearest(x, y);
        const traceshapes::Picture name =
            traceshapes::Paint(kWidth, kHeight, Name(), Bgrx(40, 40, 50), Bgrx(255, 255, 255));
        for (int y = 0; y < kHeight; ++y) {
            for (int x = 0; x < kWidth; ++x) {
                const std::size_t i = Index(x, y);
                if (IsBorder(x, y)) {
                    m_picture.bgrx[i] = Bgrx(70, 70, 80);
                    m_country[i] = -1;
                    continue;
                }
                m_picture.bgrx[i] = Over(Fill(m_country[i]), name.bgrx[i]);
            }
        }
    }

    const Picture& Pixels() const { return m_picture; }
    // The pixels of country `c`, the name's among them.
    std::vector<bool> Country(int c) const
    {
        std::vector<bool> in(m_country.size());
        for (std::size_t i = 0; i < in.size(); ++i)
            in[i] = m_country[i] == c;
        return in;
    }
    int CountryAt(int x, int y) const { return m_country[Index(x, y)]; }
    // The first border pixel right of (x, y).
    int BorderRightOf(int x, int y) const
    {
        while (x + 1 < kWidth && m_country[Index(x + 1, y)] >= 0)
            ++x;
        return x + 1;
    }
    static Point Capital(int c) { return Capitals()[std::size_t(c)]; }

private:
    static std::vector<Point> Capitals() { return {{30, 30}, {200, 20}, {120, 80}, {40, 140}, {210, 130}, {120, 10}}; }
    // Close pastels: neighbours lie Delta E 5 to 15 apart.
    static std::uint32_t Fill(int c)
    {
        static const std::uint32_t fills[] = {Bgrx(250, 225, 225), Bgrx(250, 240, 215), Bgrx(235, 240, 220),
                                              Bgrx(225, 235, 250), Bgrx(240, 225, 245), Bgrx(245, 245, 225)};
        return fills[c];
    }
    static int Nearest(int x, int y)
    {
        const std::vector<Point> capitals = Capitals();
        int nearest = 0;
        double best = 1e18;
        for (std::size_t c = 0; c < capitals.size(); ++c) {
            const double d = std::hypot(x + 0.5 - capitals[c].x, y + 0.5 - capitals[c].y);
            if (d < best) {
                best = d;
                nearest = int(c);
            }
        }
        return nearest;
    }
    bool IsBorder(int x, int y) const
    {
        const int c = m_country[Index(x, y)];
        return (x + 1 < kWidth && m_country[Index(x + 1, y)] != c) ||
               (y + 1 < kHeight && m_country[Index(x, y + 1)] != c);
    }
    // The fill with the name's ink laid over it as the name's own picture
    // mixed it with white.
    static std::uint32_t Over(std::uint32_t fill, std::uint32_t ink)
    {
        std::uint32_t mixed = 0xFF000000u;
        for (int shift : {0, 8, 16}) {
            const int f = (fill >> shift) & 0xFF, i = (ink >> shift) & 0xFF;
            mixed |= std::uint32_t(f * i / 255) << shift;
        }
        return mixed;
    }
    // Three letters, "A", "H" and "E", as strokes between points of their boxes.
    static traceshapes::Inside Name()
    {
        struct Stroke {
            double x0, y0, x1, y1;
        };
        std::vector<Stroke> strokes;
        const double w = kLetterWidth - 1, h = kLetterHeight - 1;
        auto letter = [&](int index, std::vector<Stroke> lines) {
            const double left = kNameLeft + index * (kLetterWidth + kLetterGap) + 0.5, top = kNameTop + 0.5;
            for (const Stroke& s : lines)
                strokes.push_back({left + s.x0, top + s.y0, left + s.x1, top + s.y1});
        };
        letter(0, {{0, h, w / 2, 0}, {w / 2, 0, w, h}, {w / 4, h / 2 + 1, 3 * w / 4, h / 2 + 1}});
        letter(1, {{0, 0, 0, h}, {w, 0, w, h}, {0, h / 2, w, h / 2}});
        letter(2, {{0, 0, 0, h}, {0, 0, w, 0}, {0, h / 2, w * 0.8, h / 2}, {0, h, w, h}});
        return [strokes](double x, double y) {
            for (const Stroke& s : strokes) {
                const double dx = s.x1 - s.x0, dy = s.y1 - s.y0;
                const double t = std::clamp(((x - s.x0) * dx + (y - s.y0) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
                if (std::hypot(x - s.x0 - t * dx, y - s.y0 - t * dy) <= 0.8)
                    return true;
            }
            return false;
        };
    }
    static std::size_t Index(int x, int y) { return std::size_t(y) * kWidth + x; }

    Picture m_picture;
    std::vector<int> m_country; // by pixel; -1 on a border
};

// A disc of radius 30 around (50, 40) on a picture of 100 x 80, opaque grey
// 128 over see-through, its edge antialiased in its opacity. The colour of
// every pixel is as drawn over a grey 128 background: the disc's own colour,
// so that only opacity tells the disc from its ground.
inline Picture GreyDiscOnTransparency()
{
    const Picture coverage =
        traceshapes::Paint(100, 80, traceshapes::Disc(50, 40, 30), Bgrx(255, 255, 255), Bgrx(0, 0, 0));
    Picture picture = coverage;
    picture.bytes = PixelBytes::Bgra;
    for (std::uint32_t& pixel : picture.bgrx)
        pixel = ((pixel & 0xFF) << 24) | 0x808080u;
    return picture;
}

// A photograph's sky over its ground, 300 x 200: the sky pales from a light
// blue at the top towards the horizon, which winds between y = 110 and 130
// and is hard; below it a hazy ridge of blue-grey (Delta E about 30 from the
// sky: beyond the tolerance, but not by much) 25 pixels deep, then the ground
// darkening from a brownish green. Every channel has noise of up to 8.
class Photo
{
public:
    static constexpr int kWidth = 300, kHeight = 200, kRidgeDepth = 25;

    Photo()
    {
        m_picture = {kWidth, kHeight, std::vector<std::uint32_t>(kWidth * kHeight)};
        std::mt19937 random(32);
        std::uniform_int_distribution<int> noise(-8, 8);
        auto channel = [&](double v) { return std::clamp(int(std::lround(v)) + noise(random), 0, 255); };
        for (int y = 0; y < kHeight; ++y) {
            for (int x = 0; x < kWidth; ++x) {
                const double t = double(y) / kHeight;
                std::uint32_t& pixel = m_picture.bgrx[std::size_t(y) * kWidth + x];
                if (IsSky(x, y))
                    pixel = Bgrx(channel(150 + 40 * t), channel(190 + 30 * t), channel(235 + 10 * t));
                else if (y + 0.5 < Horizon(x + 0.5) + kRidgeDepth)
                    pixel = Bgrx(channel(115), channel(140), channel(175));
                else
                    pixel = Bgrx(channel(110 - 40 * t), channel(120 - 40 * t), channel(60 - 20 * t));
            }
        }
    }

    const Picture& Pixels() const { return m_picture; }
    static bool IsSky(int x, int y) { return y + 0.5 < Horizon(x + 0.5); }
    static double Horizon(double x) { return 120 + 10 * std::sin(x / 23.0); }
    std::vector<bool> Sky() const
    {
        std::vector<bool> sky(std::size_t(kWidth) * kHeight);
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                sky[std::size_t(y) * kWidth + x] = IsSky(x, y);
        return sky;
    }

private:
    Picture m_picture;
};

} // namespace mappictures
