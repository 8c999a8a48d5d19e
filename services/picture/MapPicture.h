#pragma once
// The picture a map is drawn over: loads a JPEG, GIF, PNG or BMP file named by
// a program path, reports its pixel and file sizes, and draws it scaled into
// any rectangle. PNG files become a PictureDib with their transparency
// already composited onto the background colour; the other kinds are decoded
// by Qt's image reader.

#include "services/fileinfo/PictureInfo.h"
#include "services/png/PictureDib.h"
#include "services/types/ColorRef.h"
#include "services/types/Geometry.h"
#include "services/types/PictureSource.h"

#include <QImage>

#include <cstdint>
#include <memory>
#include <string>

class QPainter;

class MapPicture : public PictureSource
{
public:
    MapPicture();

    // Never shows a message: false leaves the picture unloaded and empty.
    bool Load(const std::string& path) override;
    bool IsLoaded() const { return m_loaded; }
    bool GetSize(std::int32_t& width, std::int32_t& height, std::int64_t& fileSize) const;
    // A rectangle whose right or bottom is -1 gets the natural size at its
    // top-left corner. False when nothing is loaded.
    bool Draw(QPainter& painter, Rect rect) const;
    void SetBackgroundColor(ColorRef color) { m_background = color; }
    ColorRef BackgroundColor() const { return m_background; }
    Rect FitRect(const Rect& box) const { return pictureinfo::FitRect(box, m_width, m_height); }
    // Texts for the sizes; those asked for are emptied when nothing is loaded.
    void GetInfoText(std::string* height, std::string* width, std::string* kilobytes) const;

    PictureKind Kind() const { return m_kind; }
    // The bitmap of a loaded PNG; empty for the other kinds.
    const PictureDib& Dib() const { return *m_dib; }
    // The same bitmap, kept alive for as long as it is held: a picture
    // loaded anew takes a bitmap of its own, as Qt's images share theirs.
    std::shared_ptr<const PictureDib> SharedDib() const { return m_dib; }
    // The decoded picture of the other kinds; null for a PNG.
    const QImage& Image() const { return m_image; }

    bool LoadedSize(int& width, int& height) const override;
    // A number no other load of any picture has had, changed whenever the
    // picture is loaded or emptied: what is made from its pixels (a copy to
    // trace on another thread) knows by it whether they are still these.
    std::uint64_t Generation() const { return m_generation; }

private:
    bool LoadImage(const std::string& path);
    void Clear();
    void DrawDib(QPainter& painter, const QRectF& target) const;

    QImage m_image;                    // JPEG, GIF and BMP
    std::shared_ptr<PictureDib> m_dib; // PNG; never null
    std::int32_t m_width = 0;
    std::int32_t m_height = 0;
    std::int64_t m_fileSize = 0;
    bool m_loaded = false;
    std::uint64_t m_generation = 0;
    PictureKind m_kind = PictureNone;
    ColorRef m_background;
};
