#pragma once
// Picture files for the Qt-side tests: PNGs from PngMaker, JPEG and BMP from
// Qt's writers, and a tiny GIF written by hand (Qt only reads GIF).

#include "tests/services/png/PngMaker.h"

#include <QImage>
#include <QString>

#include <fstream>
#include <string>
#include <vector>

namespace testpictures
{

inline void WriteBytes(const QString& path, const std::string& bytes)
{
    std::ofstream(path.toStdString(), std::ios::binary) << bytes;
}

// An RGBA PNG of one colour.
inline std::string SolidPng(int width, int height, std::uint8_t r, std::uint8_t g, std::uint8_t b, std::uint8_t a = 255)
{
    std::vector<std::uint8_t> row;
    for (int x = 0; x < width; ++x)
        row.insert(row.end(), {r, g, b, a});
    return PngMaker(width, height, 8, 6).Rows(std::vector<std::vector<std::uint8_t>>(height, row)).Bytes();
}

// A two-colour GIF (palette black, white) of `width` x `height`, every pixel
// `white` or not. Each pair of codes follows a clear code, so the code width
// stays at three bits.
inline std::string TwoColourGif(int width, int height, bool white)
{
    std::string out = "GIF89a";
    auto put16 = [&](int v) {
        out += static_cast<char>(v & 0xFF);
        out += static_cast<char>(v >> 8);
    };
    put16(width);
    put16(height);
    out += std::string("\x80\x00\x00", 3); // global table of 2 entries
    out += std::string("\x00\x00\x00\xFF\xFF\xFF", 6);
    out += ',';
    put16(0);
    put16(0);
    put16(width);
    put16(height);
    out += '\0';
    out += '\x02'; // minimum code size
    std::vector<int> codes;
    for (int i = 0; i < width * height; ++i) {
        if (i % 2 == 0)
            codes.push_back(4); // clear
        codes.push_back(white ? 1 : 0);
    }
    codes.push_back(5); // end
    std::string data;
    unsigned bits = 0, count = 0;
    for (int code : codes) {
        bits |= static_cast<unsigned>(code) << count;
        count += 3;
        while (count >= 8) {
            data += static_cast<char>(bits & 0xFF);
            bits >>= 8;
            count -= 8;
        }
    }
    if (count)
        data += static_cast<char>(bits & 0xFF);
    for (std::size_t at = 0; at < data.size(); at += 255) {
        const std::string block = data.substr(at, 255);
        out += static_cast<char>(block.size());
        out += block;
    }
    out += '\0';
    out += ';';
    return out;
}

} // namespace testpictures
