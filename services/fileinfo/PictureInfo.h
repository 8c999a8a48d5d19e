#pragma once
// What is known about a picture without decoding it, and the texts and
// rectangles shown for it: the kind by extension, the fitted rectangle of a
// preview, the size texts and the status-bar line.

#include "services/types/Geometry.h"

#include <cstdint>
#include <string>

enum PictureKind : int {
    PictureNone = -1,
    PictureJpeg = 1,
    PictureGif = 2,
    PicturePng = 3,
    PictureBmp = 4,
};

namespace pictureinfo
{

// The text after the file name's last '.', without it; empty when none.
std::string ExtensionOf(const std::string& path);

// By the extension, in any case; a name without one, or with another, has none.
PictureKind KindOf(const std::string& path);

// The picture of `width` x `height` shrunk (never enlarged) to fit `box`,
// keeping its aspect ratio, centred.
Rect FitRect(const Rect& box, std::int32_t width, std::int32_t height);

// "%d" texts of the sizes and the file size in kilobytes of 1000 bytes, "%.1f".
std::string NumberText(std::int64_t value);
std::string KilobyteText(std::int64_t fileSize);

// The status-bar line: " W640×H480 35.2KByte JPEG"; empty when `sizeText` is.
std::string StatusText(const std::string& widthText, const std::string& heightText, const std::string& sizeText,
                       const std::string& path);

} // namespace pictureinfo
