#pragma once
// A colour as the settings store it: 0x00BBGGRR, red in the low byte.

#include <cstdint>

using ColorRef = std::uint32_t;

constexpr ColorRef MakeRgb(int r, int g, int b)
{
    return static_cast<ColorRef>(r) | (static_cast<ColorRef>(g) << 8) | (static_cast<ColorRef>(b) << 16);
}
constexpr int RedOf(ColorRef c)
{
    return c & 0xFF;
}
constexpr int GreenOf(ColorRef c)
{
    return (c >> 8) & 0xFF;
}
constexpr int BlueOf(ColorRef c)
{
    return (c >> 16) & 0xFF;
}
