#include "services/picture/MapPicture.h"

#include "services/paths/LocalFile.h"
#include "services/picture/QtText.h"
#include "services/png/PngDibReader.h"

#include <QGuiApplication>
#include <QImageReader>
#include <QPainter>
#include <QPalette>

#include <algorithm>
#include <atomic>
#include <cmath>

namespace
{

// Rows of the bitmap converted per band when drawing.
constexpr int kBandRows = 256;
// Source rows beyond a band that smoothing may sample.
constexpr int kBandMargin = 2;

ColorRef WorkspaceColor()
{
    if (!qGuiApp)
        return MakeRgb(171, 171, 171);
    const QColor c = QGuiApplication::palette().color(QPalette::Dark);
    return MakeRgb(c.red(), c.green(), c.blue());
}

// A span of picture pixels, [first, last).
struct Span {
    int first, last;
};

// Picture rows `rows` and columns `columns` as an opaque image, each `factor`
// x `factor` block of pixels averaged into one; both spans start at a
// multiple of `factor`.
QImage BandImage(const PictureDib& dib, Span rows, Span columns, int factor)
{
    const int width = (columns.last - columns.first + factor - 1) / factor;
    const int height = (rows.last - rows.first + factor - 1) / factor;
    QImage band(width, height, QImage::Format_RGB32);
    for (int by = 0; by < height; ++by) {
        auto* out = reinterpret_cast<std::uint32_t*>(band.scanLine(by));
        const int y0 = rows.first + by * factor, y1 = std::min(rows.last, y0 + factor);
        for (int bx = 0; bx < width; ++bx) {
            const int x0 = columns.first + bx * factor, x1 = std::min<int>(columns.last, x0 + factor);
            std::uint32_t r = 0, g = 0, b = 0;
            for (int y = y0; y < y1; ++y) {
                const std::uint8_t* row = dib.Row(y);
                for (int x = x0; x < x1; ++x) {
                    const std::uint32_t c = dib.PixelAt(row, x);
                    r += c >> 16;
                    g += (c >> 8) & 0xFF;
                    b += c & 0xFF;
                }
            }
            const std::uint32_t n = std::uint32_t(y1 - y0) * std::uint32_t(x1 - x0);
            out[bx] = 0xFF000000u | ((r / n) << 16) | ((g / n) << 8) | (b / n);
        }
    }
    return band;
}

// The source span that covers target pixels [from, to) at `scale` target
// pixels a source pixel, with `margin` source pixels either side for the
// smoothing, aligned to `factor`.
Span SourceSpan(int from, int to, double scale, int margin, int factor, int size)
{
    int first = std::max(0, static_cast<int>(std::floor(from / scale)) - margin * factor);
    first -= first % factor;
    const int last = std::min(size, static_cast<int>(std::ceil(to / scale)) + margin * factor);
    return {first, last};
}

// The part of `target` the painter can actually reach.
QRectF VisiblePart(const QPainter& painter, const QRectF& target)
{
    QRectF visible = target;
    if (const QPaintDevice* device = painter.device()) {
        bool invertible = false;
        const QTransform toLogical = painter.worldTransform().inverted(&invertible);
        if (invertible)
            visible &= toLogical.mapRect(QRectF(0, 0, device->width(), device->height()));
    }
    if (painter.hasClipping())
        visible &= painter.clipBoundingRect();
    return visible;
}

// The program's limit for a decoded picture, the PNG route's own.
constexpr std::uint64_t kMaxPictureBytes = PngDibReader::kDefaultMaxBytes;
// Qt's allocation limit, in megabytes, a little above the program's.
constexpr int kQtAllocationLimitMb = static_cast<int>(kMaxPictureBytes >> 20) + 64;

// Whether the picture the reader is about to decode stays within the
// program's limit, judged from its header by the size of its pixel rows.
bool FitsTheLimit(QImageReader& reader)
{
    const QSize size = reader.size();
    if (!size.isValid())
        return true; // the reader knows no size before decoding: Qt's limit guards
    const QImage::Format format = reader.imageFormat();
    const std::uint64_t bits = format == QImage::Format_Invalid ? 32 : QImage::toPixelFormat(format).bitsPerPixel();
    const std::uint64_t rowBytes = (std::uint64_t(size.width()) * bits + 31) / 32 * 4;
    return rowBytes * std::uint64_t(size.height()) <= kMaxPictureBytes;
}

} // namespace

MapPicture::MapPicture() : m_dib(std::make_shared<PictureDib>()), m_background(WorkspaceColor()) {}

bool MapPicture::Load(const std::string& path)
{
    Clear();
    const PictureKind kind = pictureinfo::KindOf(path);
    if (kind == PictureNone)
        return false;
    if (kind == PicturePng) {
        PngDibReader reader(m_background);
        if (!reader.Read(localfile::PathOf(path), *m_dib))
            return false;
        m_width = m_dib->Width();
        m_height = m_dib->Height();
    } else if (!LoadImage(path)) {
        return false;
    }
    m_fileSize = std::max<std::int64_t>(0, localfile::FileSize(localfile::PathOf(path)));
    m_kind = kind;
    m_loaded = true;
    return true;
}

bool MapPicture::LoadImage(const std::string& path)
{
    QImageReader reader(ToQString(path));
    // Browsers turn a photo by its orientation tag; areas are drawn on the
    // picture as the page will show it.
    reader.setAutoTransform(true);
    if (!FitsTheLimit(reader))
        return false;
    // Qt's own limit (128 MB decoded) refuses an ordinary camera photo and
    // says so on standard error; the program's limit, checked above, is the
    // one that counts. Qt's is set just beyond it, so it never speaks first.
    QImageReader::setAllocationLimit(kQtAllocationLimitMb);
    if (!reader.read(&m_image)) {
        m_image = QImage();
        return false;
    }
    m_width = m_image.width();
    m_height = m_image.height();
    return true;
}

void MapPicture::Clear()
{
    static std::atomic<std::uint64_t> loads{0};
    m_generation = ++loads;
    m_image = QImage();
    m_dib = std::make_shared<PictureDib>();
    m_width = m_height = 0;
    m_fileSize = 0;
    m_loaded = false;
    m_kind = PictureNone;
}

bool MapPicture::GetSize(std::int32_t& width, std::int32_t& height, std::int64_t& fileSize) const
{
    if (!m_loaded)
        return false;
    width = m_width;
    height = m_height;
    fileSize = m_fileSize;
    return true;
}

bool MapPicture::LoadedSize(int& width, int& height) const
{
    if (!m_loaded)
        return false;
    width = m_width;
    height = m_height;
    return true;
}

void MapPicture::GetInfoText(std::string* height, std::string* width, std::string* kilobytes) const
{
    if (height)
        *height = m_loaded ? pictureinfo::NumberText(m_height) : std::string();
    if (width)
        *width = m_loaded ? pictureinfo::NumberText(m_width) : std::string();
    if (kilobytes)
        *kilobytes = m_loaded ? pictureinfo::KilobyteText(m_fileSize) : std::string();
}

bool MapPicture::Draw(QPainter& painter, Rect rect) const
{
    if (!m_loaded || m_kind == PictureNone)
        return false;
    if (rect.right == -1 || rect.bottom == -1) {
        rect.right = rect.left + m_width;
        rect.bottom = rect.top + m_height;
    }
    const QRectF target(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    if (target.isEmpty())
        return true;
    painter.save();
    // Reduced, the picture is smoothed; enlarged, each of its pixels stays a
    // hard-edged block, so that a pixel's edges can be seen and met.
    const bool reduced = target.width() < m_width || target.height() < m_height;
    painter.setRenderHint(QPainter::SmoothPixmapTransform, reduced);
    if (m_kind == PicturePng)
        DrawDib(painter, target);
    else
        painter.drawImage(target, m_image);
    painter.restore();
    return true;
}

// The bitmap is drawn a band of rows at a time, each band converted to an
// opaque image just before it is drawn, so the picture is never held twice.
// A band is clipped to its own target rows; the margin rows beyond it give
// the smoothing the neighbours it would have had in one piece. A strong
// reduction averages blocks of pixels first, as halftone stretching does.
void MapPicture::DrawDib(QPainter& painter, const QRectF& target) const
{
    const QRectF visible = VisiblePart(painter, target);
    if (visible.isEmpty())
        return;
    const double scaleX = target.width() / m_width;
    const double scaleY = target.height() / m_height;
    const double reduction = std::min(m_width / target.width(), m_height / target.height());
    const int factor = std::max(1, static_cast<int>(reduction));
    const int bandTarget = std::max(1, static_cast<int>(kBandRows * factor * scaleY));
    const int top = static_cast<int>(std::floor(visible.top() - target.top()));
    const int bottom = static_cast<int>(std::ceil(visible.bottom() - target.top()));
    // Only the columns the painter can reach are converted, so a tile of a
    // wide picture costs its own width, not the picture's.
    const Span columns =
        SourceSpan(static_cast<int>(std::floor(visible.left() - target.left())),
                   static_cast<int>(std::ceil(visible.right() - target.left())), scaleX, kBandMargin, factor, m_width);
    for (int d0 = top; d0 < bottom; d0 += bandTarget) {
        const int d1 = std::min(bottom, d0 + bandTarget);
        const Span rows = SourceSpan(d0, d1, scaleY, kBandMargin, factor, m_height);
        const QImage band = BandImage(*m_dib, rows, columns, factor);
        const double width = band.width() * factor * scaleX;
        const double height = band.height() * factor * scaleY;
        painter.save();
        painter.setClipRect(QRectF(target.left(), target.top() + d0, target.width(), d1 - d0), Qt::IntersectClip);
        painter.drawImage(
            QRectF(target.left() + columns.first * scaleX, target.top() + rows.first * scaleY, width, height), band);
        painter.restore();
    }
}
