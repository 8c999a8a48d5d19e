#pragma once
// The pixels of a loaded picture as the region tracer and the refit read
// them: a PNG's bitmap where it lies (24 bits, or 32 with the opacity kept
// beside the colours composited at load), a bitmap with a colour table
// looked up, Qt's decoded image as it is when it has 32-bit pixels, and one
// with transparency laid over the picture's background colour as drawing
// lays it, its opacity kept. Whatever conversion the pixels needed is held
// here with them.

#include "services/types/ColorRef.h"
#include "services/types/PixelView.h"

#include <QImage>

#include <cstdint>
#include <memory>
#include <vector>

class MapPicture;
class PictureDib;

class PicturePixels
{
public:
    // No pixels when nothing is loaded. The pixels live as long as this
    // object and its copies, whatever becomes of the picture: they may be
    // traced on another thread while the picture is loaded anew. Nothing is
    // copied for that: a PNG's bitmap and Qt's image are shared, and neither
    // is changed after loading.
    static PicturePixels Of(const MapPicture& picture);

    const PixelView& Pixels() const { return m_pixels; }

private:
    static PicturePixels OfImage(const QImage& image, ColorRef background);
    static PicturePixels Expanded(const MapPicture& picture);

    PixelView m_pixels;
    QImage m_image;                                           // Qt's image, shared, or a converted copy
    std::shared_ptr<const std::vector<std::uint8_t>> m_bytes; // a bitmap looked up into here
    std::shared_ptr<const PictureDib> m_dib;                  // the PNG's bitmap, where the pixels lie
};
