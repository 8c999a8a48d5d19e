#pragma once
// The map's picture at the view's magnification. It loads the document's
// picture and hands out its scaled pixels for painting. The scaled picture is
// never held whole: it is rendered in square tiles when a paint first needs
// them and kept in a cache of bounded size, so a large photograph at 300 %
// costs the memory of what is on screen, not of the whole scaled picture.

#include "services/types/ColorRef.h"
#include "services/types/PictureSource.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <cstddef>
#include <cstdint>
#include <list>
#include <string>
#include <unordered_map>

class MapPicture;
class QPainter;

class ZoomedPicture : public PictureSource
{
public:
    // Side of a tile, in scaled (window) pixels.
    static constexpr int kTileSide = 256;
    // What the tile cache may hold, in bytes, unless told otherwise.
    static constexpr std::size_t kDefaultCacheBytes = std::size_t(96) << 20;

    explicit ZoomedPicture(MapPicture& picture);

    // PictureSource: loads the picture (the scaled size follows the factor
    // last rendered) or, for an empty path, unloads it.
    bool Load(const std::string& path) override;
    bool LoadedSize(int& width, int& height) const override;

    // Takes `factor` as the magnification: the scaled size becomes the
    // picture's size times the factor, truncated. False, with nothing scaled,
    // when nothing is loaded or the picture cannot be drawn at that size.
    bool Render(float factor);

    bool IsLoaded() const;
    // Whether the file at `path` is not what was loaded: another file, or the
    // same one changed since.
    bool IsStale(const std::string& path) const;
    float Factor() const { return m_factor; }
    // 0 x 0 while nothing is rendered.
    QSize ScaledSize() const { return m_scaled; }

    // Paints the scaled picture's pixels from `source` (scaled coordinates)
    // into `target`; parts outside the scaled picture are left untouched.
    // False when nothing is rendered or a tile could not be drawn.
    bool Blit(QPainter& painter, QPoint source, const QRect& target);

    // The colour behind transparent pictures and around the picture's edge.
    void SetFillColour(ColorRef colour);
    ColorRef FillColour() const { return m_fill; }

    void SetCacheLimit(std::size_t bytes);
    std::size_t CachedBytes() const { return m_cachedBytes; }
    MapPicture& Picture() { return m_picture; }

private:
    using TileKey = std::uint64_t;
    struct Tile {
        QImage image;
        std::list<TileKey>::iterator age;
    };

    static TileKey KeyOf(int column, int row);
    static std::int64_t StampOf(const std::string& path);
    const QImage* TileAt(int column, int row);
    QImage DrawTile(int column, int row) const;
    void Forget();
    void TrimCache();

    MapPicture& m_picture;
    std::string m_path;       // what was loaded
    std::int64_t m_stamp = 0; // its modification time and size, mixed
    ColorRef m_fill;
    float m_factor = 1.0f;
    QSize m_scaled;
    std::unordered_map<TileKey, Tile> m_tiles;
    std::list<TileKey> m_ages; // most recently used first
    std::size_t m_cachedBytes = 0;
    std::size_t m_cacheLimit = kDefaultCacheBytes;
};
