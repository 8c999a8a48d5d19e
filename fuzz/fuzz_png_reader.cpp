// Any bytes as a PNG file. What loads must be a whole bitmap: every pixel
// readable through its row and colour table, the header where it belongs.
#include "services/png/PictureDib.h"
#include "services/png/PngDibReader.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::FILE* file = fmemopen(const_cast<std::uint8_t*>(data), size, "rb");
    if (!file)
        return 0;
    PictureDib dib;
    // A small limit: the fuzzer's headers claim huge pictures cheaply.
    PngDibReader reader(MakeRgb(208, 208, 208), std::size_t(16) << 20);
    const bool ok = reader.Read(file, dib);
    std::fclose(file);
    if (ok != !dib.IsEmpty())
        std::abort();
    if (!ok)
        return 0;
    if (PictureDib::RowsOffsetOf(dib.Packed(), dib.PackedSize()) + dib.Stride() * dib.Height() != dib.PackedSize())
        std::abort();
    std::uint32_t sum = 0;
    for (std::int32_t y = 0; y < dib.Height(); ++y)
        for (std::int32_t x = 0; x < dib.Width(); ++x)
            sum += dib.PixelAt(x, y);
    return sum == 0xFFFFFFFFu ? 1 : 0;
}
