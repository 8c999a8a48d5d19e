#pragma once
// Reads a PNG file into a PictureDib: palette and grey pictures of 1, 4 and
// 8 bits keep their depth with a colour table, RGB becomes 24 bits, and
// anything with transparency becomes 32 bits composited onto the background
// colour once, here, so that drawing is a plain copy.

#include "services/types/ColorRef.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

class PictureDib;

class PngDibReader
{
public:
    // Pictures whose bitmap would pass this many bytes are refused.
    static constexpr std::size_t kDefaultMaxBytes = std::size_t(1) << 30;

    explicit PngDibReader(ColorRef background, std::size_t maxBytes = kDefaultMaxBytes)
        : m_background(background), m_maxBytes(maxBytes)
    {
    }

    // On failure `dib` is left empty
    // and Failure() says why; nothing is shown to the user.
    bool Read(const std::filesystem::path& path, PictureDib& dib);
    // Reads from the current position of an open file; the file stays open.
    bool Read(std::FILE* file, PictureDib& dib);

    const std::string& Failure() const { return m_failure; }

private:
    struct Session;
    bool Decode(Session& s, PictureDib& dib);
    bool ChooseLayout(Session& s);
    void FillColorTable(Session& s, PictureDib& dib);
    // Transparency of a palette onto the background, through its colour
    // table, the opacity kept beside it; RGBA pixels are composited row by
    // row as they are decoded, their opacity kept in their fourth byte.
    void CompositePalette(Session& s, PictureDib& dib) const;

    ColorRef m_background;
    std::size_t m_maxBytes;
    std::string m_failure;
};
