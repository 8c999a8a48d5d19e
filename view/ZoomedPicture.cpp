#include "view/ZoomedPicture.h"

#include "services/paths/LocalFile.h"
#include "services/picture/MapPicture.h"
#include "services/picture/QtText.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <limits>

namespace
{

// Beyond this many scaled pixels a side no scroll range or tile index holds it.
constexpr double kLargestScaledSide = 1 << 24;

} // namespace

ZoomedPicture::ZoomedPicture(MapPicture& picture) : m_picture(picture), m_fill(picture.BackgroundColor()) {}

bool ZoomedPicture::Load(const std::string& path)
{
    Forget();
    m_scaled = QSize();
    m_path = path;
    m_stamp = StampOf(path);
    return m_picture.Load(path); // an empty path empties the picture
}

bool ZoomedPicture::LoadedSize(int& width, int& height) const
{
    return m_picture.LoadedSize(width, height);
}

bool ZoomedPicture::IsLoaded() const
{
    return m_picture.IsLoaded();
}

std::int64_t ZoomedPicture::StampOf(const std::string& path)
{
    std::error_code ec;
    const std::filesystem::path native = localfile::PathOf(path);
    const auto time = std::filesystem::last_write_time(native, ec);
    if (ec)
        return -1;
    const auto size = std::filesystem::file_size(native, ec);
    return static_cast<std::int64_t>(time.time_since_epoch().count()) ^ (ec ? 0 : static_cast<std::int64_t>(size) << 1);
}

bool ZoomedPicture::IsStale(const std::string& path) const
{
    return path != m_path || (!path.empty() && StampOf(path) != m_stamp);
}

bool ZoomedPicture::Render(float factor)
{
    Forget();
    m_scaled = QSize();
    m_factor = factor;
    int width = 0, height = 0;
    if (!m_picture.LoadedSize(width, height))
        return false;
    // The view converts every coordinate by the same single-precision product.
    const double scaledWidth = std::trunc(static_cast<float>(width) * factor);
    const double scaledHeight = std::trunc(static_cast<float>(height) * factor);
    if (scaledWidth < 1 || scaledHeight < 1 || scaledWidth > kLargestScaledSide || scaledHeight > kLargestScaledSide)
        return false;
    m_scaled = QSize(static_cast<int>(scaledWidth), static_cast<int>(scaledHeight));
    // Drawing one tile now tells whether the picture can be drawn at all.
    if (!TileAt(0, 0)) {
        m_scaled = QSize();
        return false;
    }
    return true;
}

void ZoomedPicture::SetFillColour(ColorRef colour)
{
    m_fill = colour;
    m_picture.SetBackgroundColor(colour);
    Forget();
}

void ZoomedPicture::SetCacheLimit(std::size_t bytes)
{
    m_cacheLimit = bytes;
    TrimCache();
}

ZoomedPicture::TileKey ZoomedPicture::KeyOf(int column, int row)
{
    return (static_cast<TileKey>(static_cast<std::uint32_t>(column)) << 32) | static_cast<std::uint32_t>(row);
}

QImage ZoomedPicture::DrawTile(int column, int row) const
{
    const int left = column * kTileSide, top = row * kTileSide;
    const int width = std::min(kTileSide, m_scaled.width() - left);
    const int height = std::min(kTileSide, m_scaled.height() - top);
    QImage tile(width, height, QImage::Format_RGB32);
    if (tile.isNull())
        return tile;
    tile.fill(ToQColor(m_fill));
    QPainter painter(&tile);
    // The whole scaled picture, placed so that this tile's part falls on the
    // image; the picture draws only what the image can show.
    const Rect whole{-left, -top, m_scaled.width() - left, m_scaled.height() - top};
    if (!m_picture.Draw(painter, whole))
        return QImage();
    return tile;
}

const QImage* ZoomedPicture::TileAt(int column, int row)
{
    const TileKey key = KeyOf(column, row);
    auto found = m_tiles.find(key);
    if (found != m_tiles.end()) {
        m_ages.splice(m_ages.begin(), m_ages, found->second.age);
        return &found->second.image;
    }
    QImage image = DrawTile(column, row);
    if (image.isNull())
        return nullptr;
    m_cachedBytes += static_cast<std::size_t>(image.sizeInBytes());
    m_ages.push_front(key);
    Tile& tile = m_tiles[key];
    tile.image = std::move(image);
    tile.age = m_ages.begin();
    TrimCache();
    // Trimming never drops the tile just made: it is the newest.
    return &m_tiles[key].image;
}

void ZoomedPicture::TrimCache()
{
    while (m_cachedBytes > m_cacheLimit && m_ages.size() > 1) {
        auto oldest = m_tiles.find(m_ages.back());
        m_cachedBytes -= static_cast<std::size_t>(oldest->second.image.sizeInBytes());
        m_tiles.erase(oldest);
        m_ages.pop_back();
    }
}

void ZoomedPicture::Forget()
{
    m_tiles.clear();
    m_ages.clear();
    m_cachedBytes = 0;
}

bool ZoomedPicture::Blit(QPainter& painter, QPoint source, const QRect& target)
{
    if (m_scaled.isEmpty())
        return false;
    const QRect wanted = QRect(source, target.size()) & QRect(QPoint(0, 0), m_scaled);
    if (wanted.isEmpty())
        return true;
    const QPoint shift = target.topLeft() - source;
    for (int row = wanted.top() / kTileSide; row <= wanted.bottom() / kTileSide; ++row) {
        for (int column = wanted.left() / kTileSide; column <= wanted.right() / kTileSide; ++column) {
            const QImage* tile = TileAt(column, row);
            if (!tile)
                return false;
            const QRect tileRect(column * kTileSide, row * kTileSide, tile->width(), tile->height());
            const QRect part = tileRect & wanted;
            painter.drawImage(part.translated(shift), *tile, part.translated(-tileRect.topLeft()));
        }
    }
    return true;
}
