#pragma once
// The pixels of a loaded picture as the region tracer reads them: a PNG's
// bitmap where it lies (24 bits, or 32 with the opacity kept beside the
// colours composited at load), a bitmap with a colour table looked up, Qt's
// decoded image as it is when it has 32-bit pixels, and one with
// transparency laid over the picture's background colour as drawing lays it,
// its opacity kept. Whatever conversion the pixels needed is held here with
// them. Move-only: the pixels may point into this object's own storage.

#include "services/trace/RegionTracer.h"
#include "services/types/ColorRef.h"

#include <QImage>

#include <cstdint>
#include <vector>

class MapPicture;

class PicturePixels
{
public:
    PicturePixels() = default;
    PicturePixels(PicturePixels&&) = default;
    PicturePixels& operator=(PicturePixels&&) = default;
    PicturePixels(const PicturePixels&) = delete;
    PicturePixels& operator=(const PicturePixels&) = delete;

    // No pixels when nothing is loaded.
    static PicturePixels Of(const MapPicture& picture);
    // The same pixels held by this object alone, copied where they lay in the
    // picture's own bitmap: they may be traced on another thread while the
    // picture is loaded anew.
    PicturePixels Owned() const;

    const TracePixels& Pixels() const { return m_pixels; }

private:
    static PicturePixels OfImage(const QImage& image, ColorRef background);
    static PicturePixels Expanded(const MapPicture& picture);

    TracePixels m_pixels;
    QImage m_image;                    // Qt's image, shared, or a converted copy
    std::vector<std::uint8_t> m_bytes; // a bitmap expanded or copied here
    bool m_borrowed = false;           // the pixels lie in the picture's own bitmap
};
