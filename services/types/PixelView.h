#pragma once
// A picture's pixels where they already are, without a copy: rows of 3-byte
// (blue, green, red) or 4-byte (blue, green, red, unused) pixels. `top`
// points at the picture's first row and `stride` is the distance in bytes
// from a row to the one below it, negative for a bitmap stored bottom-up.
// The region tracer and the refit read pictures through it.

#include <cstddef>
#include <cstdint>
#include <cstdlib>

struct PixelView {
    const std::uint8_t* top = nullptr;
    std::ptrdiff_t stride = 0;
    int width = 0;
    int height = 0;
    int bytesPerPixel = 4; // 3 or 4

    // Pixels there are, of a size either reader takes, in rows long enough.
    bool Usable() const
    {
        return top && width > 0 && height > 0 && (bytesPerPixel == 3 || bytesPerPixel == 4) &&
               std::abs(stride) >= static_cast<std::ptrdiff_t>(width) * bytesPerPixel;
    }
};
