#include "services/fileinfo/PictureInfo.h"

#include "services/paths/PathUtil.h"
#include "services/text/Utf8String.h"

#include <cstdio>

namespace pictureinfo
{

namespace
{

// The truncated side when the other side is scaled to `to` of `from`.
std::int32_t Scaled(std::int32_t side, std::int32_t to, std::int32_t from)
{
    return from > 0 ? static_cast<std::int32_t>(static_cast<double>(to) / from * side) : 0;
}

} // namespace

std::string ExtensionOf(const std::string& path)
{
    const std::string name = paths::DirectoryOf(path).second; // a file's path: no anchor
    const std::size_t dot = utf8::ReverseFindChar(name, '.');
    return dot == std::string::npos ? std::string() : name.substr(dot + 1);
}

PictureKind KindOf(const std::string& path)
{
    const std::string ext = utf8::ToLower(ExtensionOf(path));
    if (ext == "jpg" || ext == "jpeg")
        return PictureJpeg;
    if (ext == "gif")
        return PictureGif;
    if (ext == "png")
        return PicturePng;
    if (ext == "bmp")
        return PictureBmp;
    return PictureNone;
}

Rect FitRect(const Rect& box, std::int32_t width, std::int32_t height)
{
    const std::int32_t boxWidth = box.right - box.left, boxHeight = box.bottom - box.top;
    std::int32_t w = width, h = height;
    const bool byWidth = width > boxWidth && (height <= boxHeight || width >= height);
    const bool byHeight = height > boxHeight && !byWidth;
    if (byWidth) {
        w = boxWidth;
        h = Scaled(height, boxWidth, width);
    } else if (byHeight) {
        h = boxHeight;
        w = Scaled(width, boxHeight, height);
    }
    // The first choice of a picture too big both ways can still overflow the
    // other side.
    if (w > boxWidth) {
        w = boxWidth;
        h = Scaled(height, boxWidth, width);
    }
    if (h > boxHeight) {
        h = boxHeight;
        w = Scaled(width, boxHeight, height);
    }
    const std::int32_t left = box.left + (boxWidth - w) / 2, top = box.top + (boxHeight - h) / 2;
    return Rect{left, top, left + w, top + h};
}

std::string NumberText(std::int64_t value)
{
    return std::to_string(value);
}

std::string KilobyteText(std::int64_t fileSize)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.1f", static_cast<float>(fileSize) * 0.001f);
    return text;
}

std::string StatusText(const std::string& widthText, const std::string& heightText, const std::string& sizeText,
                       const std::string& path)
{
    if (sizeText.empty())
        return {};
    static const std::string times = "×"; // U+00D7, as Shift-JIS 81 7E
    std::string type = utf8::ToUpper(ExtensionOf(path));
    if (type == "JPG" || type == "JFIF" || type == "JPE")
        type = "JPEG";
    return " W" + widthText + times + "H" + heightText + " " + sizeText + "KByte " + type;
}

} // namespace pictureinfo
