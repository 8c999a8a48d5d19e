#include "services/picture/PicturePixels.h"

#include "services/picture/MapPicture.h"

#include <cstring>

namespace
{

constexpr int kFourBytes = 4;
constexpr unsigned kOpaque = 255;

PixelView PixelsOf(const QImage& image, PixelBytes bytes)
{
    return {image.constBits(), static_cast<std::ptrdiff_t>(image.bytesPerLine()),
            image.width(),     image.height(),
            kFourBytes,        bytes};
}

// (opacity * value + (255 - opacity) * background) / 255, as the PNG route
// composites at load.
std::uint8_t Over(unsigned value, unsigned opacity, unsigned background)
{
    return static_cast<std::uint8_t>((opacity * value + (kOpaque - opacity) * background) / kOpaque);
}

} // namespace

// Opaque images are read as Qt holds them, or as 32-bit pixels; one with
// transparency as its straight (not premultiplied) colours laid over the
// background, the opacity left in the fourth byte.
PicturePixels PicturePixels::OfImage(const QImage& image, ColorRef background)
{
    PicturePixels held;
    if (!image.hasAlphaChannel()) {
        held.m_image = image.format() == QImage::Format_RGB32 ? image : image.convertToFormat(QImage::Format_RGB32);
        held.m_pixels = PixelsOf(held.m_image, PixelBytes::Bgr);
        return held;
    }
    held.m_image = image.convertToFormat(QImage::Format_ARGB32);
    const unsigned red = RedOf(background), green = GreenOf(background), blue = BlueOf(background);
    for (int y = 0; y < held.m_image.height(); ++y) {
        std::uint8_t* p = held.m_image.scanLine(y);
        for (int x = 0; x < held.m_image.width(); ++x, p += kFourBytes) {
            const unsigned opacity = p[3];
            p[0] = Over(p[0], opacity, blue);
            p[1] = Over(p[1], opacity, green);
            p[2] = Over(p[2], opacity, red);
        }
    }
    held.m_pixels = PixelsOf(held.m_image, PixelBytes::Bgra);
    return held;
}

// A bitmap with a colour table, looked up into 32-bit pixels, with the
// table's opacity where the picture gave one.
PicturePixels PicturePixels::Expanded(const MapPicture& picture)
{
    const PictureDib& dib = picture.Dib();
    const int width = dib.Width(), height = dib.Height();
    const bool opacity = dib.HasTableOpacity();
    auto bytes = std::make_shared<std::vector<std::uint8_t>>(static_cast<std::size_t>(width) * height * kFourBytes);
    std::uint8_t* out = bytes->data();
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* row = dib.Row(y);
        for (int x = 0; x < width; ++x, out += kFourBytes) {
            const std::uint32_t colour = dib.PixelAt(row, x);
            std::memcpy(out, &colour, 3);
            out[3] = opacity ? dib.TableOpacity(dib.IndexAt(row, x)) : kOpaque;
        }
    }
    PicturePixels held;
    held.m_pixels = {bytes->data(), static_cast<std::ptrdiff_t>(width) * kFourBytes, width, height,
                     kFourBytes,    opacity ? PixelBytes::Bgra : PixelBytes::Bgr};
    held.m_bytes = std::move(bytes);
    return held;
}

PicturePixels PicturePixels::Of(const MapPicture& picture)
{
    if (!picture.IsLoaded())
        return {};
    if (picture.Kind() != PicturePng)
        return OfImage(picture.Image(), picture.BackgroundColor());
    const PictureDib& dib = picture.Dib();
    if (dib.BitCount() != 24 && dib.BitCount() != 32)
        return Expanded(picture);
    // The rows as they lie, bottom-up; 32 bits only for transparency, whose
    // opacity the reader kept in the fourth byte.
    PicturePixels held;
    held.m_pixels = {dib.Row(0),         -static_cast<std::ptrdiff_t>(dib.Stride()),
                     dib.Width(),        dib.Height(),
                     dib.BitCount() / 8, dib.BitCount() == 32 ? PixelBytes::Bgra : PixelBytes::Bgr};
    held.m_dib = picture.SharedDib();
    return held;
}
