#pragma once
// A picture's pixels where they already are, without a copy. `top` points at
// the picture's first row and `stride` is the distance in bytes from a row to
// the one below it, negative for a bitmap stored bottom-up. The region tracer
// and the refit read pictures through it.

#include <cstddef>
#include <cstdint>
#include <cstdlib>

// What the bytes of a pixel hold.
enum class PixelBytes {
    Bgr,  // blue, green, red, and with 4 bytes a pixel an unused fourth byte
    Bgra, // 4 bytes: blue, green, red as the picture is drawn, then its
          // opacity, 0 see-through to 255 opaque
    Laba, // 4 bytes: 8-bit L*a*b* (L * 255 / 100, a + 128, b + 128) and the
          // opacity: a picture the tracer converted once for many traces
};

struct PixelView {
    const std::uint8_t* top = nullptr;
    std::ptrdiff_t stride = 0;
    int width = 0;
    int height = 0;
    int bytesPerPixel = 4; // 3 or 4; 4 for Bgra and Laba
    PixelBytes bytes = PixelBytes::Bgr;

    // Pixels there are, of a size and bytes the readers know, in rows long enough.
    bool Usable() const
    {
        const bool fourBytes = bytesPerPixel == 4;
        return top && width > 0 && height > 0 && (fourBytes || bytesPerPixel == 3) &&
               (fourBytes || bytes == PixelBytes::Bgr) &&
               std::abs(stride) >= static_cast<std::ptrdiff_t>(width) * bytesPerPixel;
    }
    // The picture's colours as it is drawn (blue, green, red first), not
    // another form of them.
    bool HoldsDrawnColours() const { return bytes != PixelBytes::Laba; }
};
