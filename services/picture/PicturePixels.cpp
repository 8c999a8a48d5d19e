#include "services/picture/PicturePixels.h"

#include "services/picture/MapPicture.h"
#include "services/picture/QtText.h"

#include <QPainter>

namespace
{

PixelView PixelsOf(const QImage& image)
{
    return {image.constBits(), static_cast<std::ptrdiff_t>(image.bytesPerLine()), image.width(), image.height(), 4};
}

} // namespace

PicturePixels::PicturePixels(const MapPicture& picture)
{
    if (!picture.IsLoaded())
        return;
    m_view =
        picture.Kind() == PicturePng ? DibPixels(picture) : ImagePixels(picture.Image(), picture.BackgroundColor());
}

// Qt's image as 32-bit pixels: as it is when it already has them, otherwise
// converted; one with transparency is laid over the background colour first,
// as drawing lays it.
PixelView PicturePixels::ImagePixels(const QImage& image, ColorRef background)
{
    if (image.format() == QImage::Format_RGB32)
        return PixelsOf(image);
    if (image.hasAlphaChannel()) {
        m_converted = QImage(image.size(), QImage::Format_RGB32);
        m_converted.fill(ToQColor(background));
        QPainter painter(&m_converted);
        painter.drawImage(0, 0, image);
    } else {
        m_converted = image.convertToFormat(QImage::Format_RGB32);
    }
    return PixelsOf(m_converted);
}

// The bitmap's rows as they lie, bottom-up, for 24 and 32 bits; a bitmap
// with a colour table is looked up.
PixelView PicturePixels::DibPixels(const MapPicture& picture)
{
    const PictureDib& dib = picture.Dib();
    const int width = dib.Width(), height = dib.Height();
    if (dib.BitCount() == 24 || dib.BitCount() == 32)
        return {dib.Row(0), -static_cast<std::ptrdiff_t>(dib.Stride()), width, height, dib.BitCount() / 8};
    m_looked.resize(static_cast<std::size_t>(width) * height);
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* row = dib.Row(y);
        for (int x = 0; x < width; ++x)
            m_looked[static_cast<std::size_t>(y) * width + x] = dib.PixelAt(row, x);
    }
    return {reinterpret_cast<const std::uint8_t*>(m_looked.data()), static_cast<std::ptrdiff_t>(width) * 4, width,
            height, 4};
}
