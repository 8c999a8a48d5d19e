#pragma once
// A read position over bytes held elsewhere; the codec's decoders and the
// detection read through it.

#include <cstddef>
#include <cstdint>

struct ByteStream {
    const std::uint8_t* data = nullptr;
    std::size_t size = 0;
    std::size_t pos = 0;

    bool AtEnd() const { return pos >= size; }
    // Next byte, or -1 at the end.
    int Get() { return pos < size ? data[pos++] : -1; }
};
