#include "services/picture/PictureTrace.h"

#include "services/picture/MapPicture.h"
#include "services/picture/QtText.h"

#include <QImage>
#include <QPainter>

#include <cstdint>
#include <vector>

namespace
{

TracePixels PixelsOf(const QImage& image)
{
    return {image.constBits(), static_cast<std::ptrdiff_t>(image.bytesPerLine()), image.width(), image.height(), 4};
}

// Qt's image as 32-bit pixels: as it is when it already has them, otherwise
// converted into `converted`; one with transparency is laid over the
// background colour first, as drawing lays it.
TracePixels ImagePixels(const QImage& image, ColorRef background, QImage& converted)
{
    if (image.format() == QImage::Format_RGB32)
        return PixelsOf(image);
    if (image.hasAlphaChannel()) {
        converted = QImage(image.size(), QImage::Format_RGB32);
        converted.fill(ToQColor(background));
        QPainter painter(&converted);
        painter.drawImage(0, 0, image);
    } else {
        converted = image.convertToFormat(QImage::Format_RGB32);
    }
    return PixelsOf(converted);
}

// The bitmap's rows as they lie, bottom-up, for 24 and 32 bits; a bitmap
// with a colour table is looked up into `converted`.
TracePixels DibPixels(const PictureDib& dib, std::vector<std::uint32_t>& converted)
{
    const int width = dib.Width(), height = dib.Height();
    if (dib.BitCount() == 24 || dib.BitCount() == 32)
        return {dib.Row(0), -static_cast<std::ptrdiff_t>(dib.Stride()), width, height, dib.BitCount() / 8};
    converted.resize(static_cast<std::size_t>(width) * height);
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* row = dib.Row(y);
        for (int x = 0; x < width; ++x)
            converted[static_cast<std::size_t>(y) * width + x] = dib.PixelAt(row, x);
    }
    return {reinterpret_cast<const std::uint8_t*>(converted.data()), static_cast<std::ptrdiff_t>(width) * 4, width,
            height, 4};
}

} // namespace

namespace picturetrace
{

TraceResult Trace(const MapPicture& picture, Point seed, const TraceOptions& options)
{
    const RegionTracer tracer(options);
    if (!picture.IsLoaded())
        return tracer.Trace(TracePixels{}, seed);
    if (picture.Kind() == PicturePng) {
        std::vector<std::uint32_t> converted;
        return tracer.Trace(DibPixels(picture.Dib(), converted), seed);
    }
    QImage converted;
    return tracer.Trace(ImagePixels(picture.Image(), picture.BackgroundColor(), converted), seed);
}

} // namespace picturetrace
