#pragma once
// The pixels of a loaded picture as the region tracer and the refit read
// them: a PNG's bitmap or Qt's decoded image where they lie when they hold
// 24 or 32 bits a pixel, a converted copy otherwise, with transparency
// composited onto the picture's background colour as drawing shows it.

#include "services/types/ColorRef.h"
#include "services/types/PixelView.h"

#include <QImage>

#include <cstdint>
#include <vector>

class MapPicture;

class PicturePixels
{
public:
    // An empty view when nothing is loaded. The picture must outlive this.
    explicit PicturePixels(const MapPicture& picture);
    PicturePixels(const PicturePixels&) = delete;
    PicturePixels& operator=(const PicturePixels&) = delete;

    const PixelView& View() const { return m_view; }

private:
    PixelView ImagePixels(const QImage& image, ColorRef background);
    PixelView DibPixels(const MapPicture& picture);

    QImage m_converted;                  // a Qt image in 32-bit pixels, when it had others
    std::vector<std::uint32_t> m_looked; // a bitmap with a colour table, looked up
    PixelView m_view;
};
