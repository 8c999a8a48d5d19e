#include "services/png/PngDibReader.h"

#include "services/paths/LocalFile.h"
#include "services/png/PictureDib.h"

#include <png.h>

#ifdef __SSE2__
#include <emmintrin.h>
#endif
#if (defined(__x86_64__) || defined(__i386__)) && (defined(__clang__) || defined(__GNUC__))
#define ZM_X86_DISPATCH 1
#include <immintrin.h>
#endif

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <vector>

// libpng reports errors by calling back and never returning; the callback
// jumps back into Decode. Decode and everything it calls keep no objects
// with destructors on the stack, so the jump skips nothing; what has to be
// released lives in the Session, which the caller owns.

namespace
{

enum class Layout { Palette, Grey, Rgb, Rgba };

constexpr std::size_t kSignatureSize = 8;

// The largest buffer libpng gets from us. Its own rows fit (libpng takes
// pictures up to 1,000,000 pixels wide, 8 bytes a pixel at most); a chunk
// that claims more, such as an sPLT chunk claiming 1.9 GB in a file of 130
// bytes, is refused, and the load with it.
constexpr std::size_t kLargestLibpngBuffer = std::size_t(8) << 20;
// How many text, palette-suggestion and unknown chunks libpng keeps.
constexpr png_uint_32 kMostKeptChunks = 128;
constexpr char kChunkTooLarge[] = "a chunk claims more memory than a picture needs";

// libpng's allocations, with the record of a refused one.
struct Memory {
    bool refused = false;
};

png_voidp Allocate(png_structp png, png_alloc_size_t size)
{
    if (size > kLargestLibpngBuffer) {
        static_cast<Memory*>(png_get_mem_ptr(png))->refused = true;
        return nullptr;
    }
    return std::malloc(size);
}

void Release(png_structp, png_voidp block)
{
    std::free(block);
}

// libpng's last error text, kept where the callback can reach it.
struct ErrorText {
    char text[160] = "";
    void Set(const char* message) { std::snprintf(text, sizeof text, "%s", message ? message : "libpng error"); }
};

void OnError(png_structp png, png_const_charp message)
{
    static_cast<ErrorText*>(png_get_error_ptr(png))->Set(message);
    png_longjmp(png, 1);
}

void OnWarning(png_structp, png_const_charp) {}

// (alpha * value + (255 - alpha) * background) / 255, truncated; the shift
// form is exact for every sum below 65535 and lets the row loop vectorise.
std::uint8_t Blend(unsigned value, unsigned alpha, unsigned background)
{
    const unsigned sum = alpha * value + (255 - alpha) * background;
    return static_cast<std::uint8_t>((sum + 1 + (sum >> 8)) >> 8);
}

// Composites `width` pixels from `from` into `to` (which may be the same
// row) with the scalar Blend; the wide versions below leave it their tails.
void CompositeScalar(const std::uint8_t* from, std::uint8_t* to, std::int32_t width, unsigned red, unsigned green,
                     unsigned blue)
{
    for (std::int32_t x = 0; x < width; ++x, from += 4, to += 4) {
        const unsigned alpha = from[3];
        to[0] = Blend(from[0], alpha, blue);
        to[1] = Blend(from[1], alpha, green);
        to[2] = Blend(from[2], alpha, red);
        to[3] = static_cast<std::uint8_t>(alpha);
    }
}

#ifdef __SSE2__
// Blend with SSE2, two pixels per 16-bit lane group, four per step; returns
// how many pixels it did. Every intermediate fits 16 bits: the sum is at most
// 255 * 255 and the rounding step adds at most 255.
std::int32_t CompositeSse2(const std::uint8_t* from, std::uint8_t* to, std::int32_t width, unsigned red, unsigned green,
                           unsigned blue)
{
    const __m128i zero = _mm_setzero_si128();
    const __m128i all = _mm_set1_epi16(255);
    const __m128i one = _mm_set1_epi16(1);
    const __m128i background =
        _mm_setr_epi16(short(blue), short(green), short(red), 0, short(blue), short(green), short(red), 0);
    const __m128i alphaBytes = _mm_set1_epi32(static_cast<int>(0xFF000000u));
    auto blendTwo = [&](__m128i pixels) {
        __m128i alpha = _mm_shufflelo_epi16(pixels, _MM_SHUFFLE(3, 3, 3, 3));
        alpha = _mm_shufflehi_epi16(alpha, _MM_SHUFFLE(3, 3, 3, 3));
        __m128i sum =
            _mm_add_epi16(_mm_mullo_epi16(pixels, alpha), _mm_mullo_epi16(background, _mm_sub_epi16(all, alpha)));
        sum = _mm_add_epi16(_mm_add_epi16(sum, one), _mm_srli_epi16(sum, 8));
        return _mm_srli_epi16(sum, 8);
    };
    std::int32_t x = 0;
    for (; x + 4 <= width; x += 4, from += 16, to += 16) {
        const __m128i pixels = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from));
        const __m128i low = blendTwo(_mm_unpacklo_epi8(pixels, zero));
        const __m128i high = blendTwo(_mm_unpackhi_epi8(pixels, zero));
        const __m128i blended = _mm_packus_epi16(low, high);
        // The alpha bytes stay as they were.
        const __m128i result = _mm_or_si128(_mm_andnot_si128(alphaBytes, blended), _mm_and_si128(alphaBytes, pixels));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(to), result);
    }
    return x;
}
#endif

#ifdef ZM_X86_DISPATCH
// Blend with AVX2, eight pixels a step. Each 16-bit lane holds one colour of
// one pixel: alpha * (value - background) + 255 * background wraps in 16
// bits to exactly the sum of Blend (at most 255 * 255), and multiplying by
// 0x8081 and keeping bits 23 and up divides any 16-bit value by 255,
// truncating.
__attribute__((target("avx2"))) inline __m256i BlendAvx2(__m256i values, __m256i alpha, __m256i background,
                                                         __m256i background255)
{
    const __m256i by255 = _mm256_set1_epi16(static_cast<short>(0x8081));
    const __m256i sum =
        _mm256_add_epi16(_mm256_mullo_epi16(_mm256_sub_epi16(values, background), alpha), background255);
    return _mm256_srli_epi16(_mm256_mulhi_epu16(sum, by255), 7);
}

__attribute__((target("avx2"))) std::int32_t CompositeAvx2(const std::uint8_t* from, std::uint8_t* to,
                                                           std::int32_t width, unsigned red, unsigned green,
                                                           unsigned blue)
{
    const short b = short(blue), g = short(green), r = short(red);
    const __m256i background = _mm256_setr_epi16(b, g, r, 0, b, g, r, 0, b, g, r, 0, b, g, r, 0);
    const __m256i background255 = _mm256_mullo_epi16(background, _mm256_set1_epi16(255));
    const __m256i zero = _mm256_setzero_si256();
    // The alpha byte of each pixel spread over that pixel's four words: for
    // the first two pixels of each 128-bit half, and for the last two.
    const __m256i alphaOfFirstTwo = _mm256_setr_epi8(3, -1, 3, -1, 3, -1, 3, -1, 7, -1, 7, -1, 7, -1, 7, -1, 3, -1, 3,
                                                     -1, 3, -1, 3, -1, 7, -1, 7, -1, 7, -1, 7, -1);
    const __m256i alphaOfLastTwo = _mm256_setr_epi8(11, -1, 11, -1, 11, -1, 11, -1, 15, -1, 15, -1, 15, -1, 15, -1, 11,
                                                    -1, 11, -1, 11, -1, 11, -1, 15, -1, 15, -1, 15, -1, 15, -1);
    const __m256i alphaBytes = _mm256_set1_epi32(static_cast<int>(0xFF000000u));
    std::int32_t x = 0;
    for (; x + 8 <= width; x += 8, from += 32, to += 32) {
        const __m256i pixels = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(from));
        const __m256i low = BlendAvx2(_mm256_unpacklo_epi8(pixels, zero), _mm256_shuffle_epi8(pixels, alphaOfFirstTwo),
                                      background, background255);
        const __m256i high = BlendAvx2(_mm256_unpackhi_epi8(pixels, zero), _mm256_shuffle_epi8(pixels, alphaOfLastTwo),
                                       background, background255);
        // The alpha bytes stay as they were.
        const __m256i result = _mm256_blendv_epi8(_mm256_packus_epi16(low, high), pixels, alphaBytes);
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(to), result);
    }
    return x;
}
#endif

using WideComposite = std::int32_t (*)(const std::uint8_t*, std::uint8_t*, std::int32_t, unsigned, unsigned, unsigned);

#ifndef __SSE2__
std::int32_t NoWideComposite(const std::uint8_t*, std::uint8_t*, std::int32_t, unsigned, unsigned, unsigned)
{
    return 0;
}
#endif

// The widest compositing this processor runs, chosen once.
WideComposite ChooseWideComposite()
{
#ifdef ZM_X86_DISPATCH
    if (__builtin_cpu_supports("avx2"))
        return CompositeAvx2;
#endif
#ifdef __SSE2__
    return CompositeSse2;
#else
    return NoWideComposite;
#endif
}

// Composites a row from `from` into `to` onto the background.
void CompositeRow(const std::uint8_t* from, std::uint8_t* to, std::int32_t width, ColorRef backgroundColour)
{
    static const WideComposite wide = ChooseWideComposite();
    const unsigned red = RedOf(backgroundColour), green = GreenOf(backgroundColour), blue = BlueOf(backgroundColour);
    const std::int32_t done = wide(from, to, width, red, green, blue);
    CompositeScalar(from + 4 * static_cast<std::size_t>(done), to + 4 * static_cast<std::size_t>(done), width - done,
                    red, green, blue);
}

// Where libpng's finished RGBA rows go: composited straight from libpng's
// own row into the bitmap, so that each row is copied and blended in one
// pass instead of being copied first and blended after.
struct RgbaTarget {
    PictureDib* dib;
    ColorRef background;
};

void CompositeIntoBitmap(png_structp png, png_row_infop row, png_bytep data)
{
    auto* target = static_cast<RgbaTarget*>(png_get_user_transform_ptr(png));
    const png_uint_32 y = png_get_current_row_number(png);
    PictureDib& dib = *target->dib;
    // The row must be the RGBA it was set up to be: a damaged file (a
    // second, broken tRNS chunk) can leave it RGB, shorter than the width
    // says, and the blend would read past it.
    constexpr png_byte kRgbaChannels = 4, kByteDepth = 8;
    if (y >= static_cast<png_uint_32>(dib.Height()) || row->width != static_cast<png_uint_32>(dib.Width()) ||
        row->rowbytes > dib.Stride() || row->channels != kRgbaChannels || row->bit_depth != kByteDepth)
        png_error(png, "unexpected row size");
    CompositeRow(data, dib.Row(static_cast<std::int32_t>(y)), dib.Width(), target->background);
}

} // namespace

struct PngDibReader::Session {
    png_structp png = nullptr;
    png_infop info = nullptr;
    std::FILE* file = nullptr; // not owned
    png_uint_32 width = 0;
    png_uint_32 height = 0;
    int depth = 0;
    int colorType = 0;
    int bitCount = 0;
    Layout layout = Layout::Palette;
    std::vector<png_bytep> rows;
    RgbaTarget rgbaTarget{};
    ErrorText error;
    Memory memory;

    ~Session() { png_destroy_read_struct(&png, info ? &info : nullptr, nullptr); }
};

bool PngDibReader::Read(const std::filesystem::path& path, PictureDib& dib)
{
    dib.Free();
    localfile::FileHandle file = localfile::OpenForRead(path);
    if (!file) {
        m_failure = "can't open";
        return false;
    }
    // libpng asks for a few kilobytes at a time; fewer, larger reads.
    std::setvbuf(file.get(), nullptr, _IOFBF, std::size_t(1) << 16);
    return Read(file.get(), dib);
}

bool PngDibReader::Read(std::FILE* file, PictureDib& dib)
{
    dib.Free();
    m_failure.clear();
    png_byte signature[kSignatureSize];
    if (std::fread(signature, 1, kSignatureSize, file) != kSignatureSize ||
        png_sig_cmp(signature, 0, kSignatureSize) != 0) {
        m_failure = "not a PNG file";
        return false;
    }
    Session s;
    s.file = file;
    s.png = png_create_read_struct_2(PNG_LIBPNG_VER_STRING, &s.error, OnError, OnWarning, &s.memory, Allocate, Release);
    if (s.png)
        s.info = png_create_info_struct(s.png);
    if (!s.png || !s.info) {
        m_failure = "not enough memory";
        return false;
    }
    bool done = false;
    try {
        done = Decode(s, dib);
    } catch (const std::bad_alloc&) {
        s.error.Set("not enough memory");
    }
    // A chunk that claimed too much was skipped, or broke the read: either
    // way the file is not loaded.
    if (s.memory.refused) {
        done = false;
        s.error.Set(kChunkTooLarge);
    }
    if (!done) {
        m_failure = s.error.text;
        dib.Free();
        return false;
    }
    FillColorTable(s, dib);
    CompositePalette(s, dib);
    return true;
}

bool PngDibReader::Decode(Session& s, PictureDib& dib)
{
    if (setjmp(png_jmpbuf(s.png)))
        return false;
    png_init_io(s.png, s.file);
    png_set_sig_bytes(s.png, kSignatureSize);
    // Compressed text and profiles inflate no further, and unknown chunks are
    // not kept beyond it; libpng only warns when a chunk's length passes it,
    // so the allocator above refuses the buffer itself.
    png_set_chunk_malloc_max(s.png, kLargestLibpngBuffer);
    png_set_chunk_cache_max(s.png, kMostKeptChunks);
#ifdef PNG_IGNORE_ADLER32
    // The chunk CRCs already catch a damaged file, and a broken stream still
    // fails to inflate; the stream's own checksum would cost another pass
    // over every pixel byte. Browsers show such pictures too.
    png_set_option(s.png, PNG_IGNORE_ADLER32, PNG_OPTION_ON);
#endif
    png_read_info(s.png, s.info);
    png_get_IHDR(s.png, s.info, &s.width, &s.height, &s.depth, &s.colorType, nullptr, nullptr, nullptr);
    if (!ChooseLayout(s))
        return false;
    const bool interlaced = png_set_interlace_handling(s.png) > 1;
    if (s.layout == Layout::Rgba && !interlaced) {
        s.rgbaTarget = {&dib, m_background};
        png_set_read_user_transform_fn(s.png, CompositeIntoBitmap);
        png_set_user_transform_info(s.png, &s.rgbaTarget, 0, 0);
    }
    png_read_update_info(s.png, s.info);
    if (!dib.Create(static_cast<std::int32_t>(s.width), static_cast<std::int32_t>(s.height), s.bitCount, m_maxBytes)) {
        s.error.Set("not enough memory");
        return false;
    }
    if (png_get_rowbytes(s.png, s.info) > dib.Stride()) {
        s.error.Set("unexpected row size");
        return false;
    }
    if (!interlaced) {
        // RGBA rows reach the bitmap through CompositeIntoBitmap, so libpng
        // is given no row to copy them into.
        png_bytep into = nullptr;
        for (png_uint_32 y = 0; y < s.height; ++y) {
            if (s.layout != Layout::Rgba)
                into = dib.Row(static_cast<std::int32_t>(y));
            png_read_row(s.png, into, nullptr);
        }
    } else {
        // Interlaced pictures arrive in passes, so they are composited whole.
        s.rows.resize(s.height);
        for (png_uint_32 y = 0; y < s.height; ++y)
            s.rows[y] = dib.Row(static_cast<std::int32_t>(y));
        png_read_image(s.png, s.rows.data());
        if (s.layout == Layout::Rgba)
            for (std::int32_t y = 0; y < dib.Height(); ++y)
                CompositeRow(dib.Row(y), dib.Row(y), dib.Width(), m_background);
    }
    png_read_end(s.png, nullptr);
    return true;
}

// Picks the bitmap's bit count and sets libpng's transformations for it.
bool PngDibReader::ChooseLayout(Session& s)
{
    const bool hasTrns = png_get_valid(s.png, s.info, PNG_INFO_tRNS) != 0;
    if (s.depth == 16) {
        png_set_strip_16(s.png);
        s.depth = 8;
    } else if (s.depth == 2) {
        png_set_packing(s.png);
        // Unpacked grey values would be 0..3 against an 8-bit ramp; spread
        // them over 0..255 so the ramp fits.
        if (s.colorType == PNG_COLOR_TYPE_GRAY && !hasTrns)
            png_set_expand_gray_1_2_4_to_8(s.png);
        s.depth = 8;
    }
    switch (s.colorType) {
    case PNG_COLOR_TYPE_PALETTE:
        s.layout = Layout::Palette;
        s.bitCount = s.depth;
        return true;
    case PNG_COLOR_TYPE_GRAY:
        if (!hasTrns) {
            s.layout = Layout::Grey;
            s.bitCount = s.depth;
            return true;
        }
        png_set_gray_to_rgb(s.png);
        png_set_expand(s.png);
        break;
    case PNG_COLOR_TYPE_RGB:
        png_set_bgr(s.png);
        if (!hasTrns) {
            s.layout = Layout::Rgb;
            s.bitCount = 24;
            return true;
        }
        png_set_expand(s.png);
        break;
    case PNG_COLOR_TYPE_GRAY_ALPHA:
        png_set_gray_to_rgb(s.png);
        break;
    case PNG_COLOR_TYPE_RGB_ALPHA:
        break;
    default:
        s.error.Set("unsupported colour type");
        return false;
    }
    png_set_bgr(s.png);
    s.layout = Layout::Rgba;
    s.bitCount = 32;
    return true;
}

void PngDibReader::FillColorTable(Session& s, PictureDib& dib)
{
    std::uint8_t* table = dib.ColorTable();
    const int size = dib.ColorCount();
    if (s.layout == Layout::Palette) {
        png_colorp palette = nullptr;
        int count = 0;
        if (png_get_PLTE(s.png, s.info, &palette, &count) == 0)
            count = 0;
        for (int i = 0; i < count && i < size; ++i) {
            table[4 * i] = palette[i].blue;
            table[4 * i + 1] = palette[i].green;
            table[4 * i + 2] = palette[i].red;
        }
    } else if (s.layout == Layout::Grey) {
        for (int i = 0; i < size; ++i)
            table[4 * i] = table[4 * i + 1] = table[4 * i + 2] = static_cast<std::uint8_t>(i * 255 / (size - 1));
    }
}

void PngDibReader::CompositePalette(Session& s, PictureDib& dib) const
{
    png_bytep alpha = nullptr;
    int count = 0;
    if (s.layout != Layout::Palette || png_get_tRNS(s.png, s.info, &alpha, &count, nullptr) == 0 || !alpha)
        return;
    if (count <= 0 || count > dib.ColorCount())
        return;
    const unsigned bgRed = RedOf(m_background), bgGreen = GreenOf(m_background), bgBlue = BlueOf(m_background);
    for (int i = 0; i < count; ++i) {
        std::uint8_t* entry = dib.ColorTable() + 4 * i;
        entry[0] = Blend(entry[0], alpha[i], bgBlue);
        entry[1] = Blend(entry[1], alpha[i], bgGreen);
        entry[2] = Blend(entry[2], alpha[i], bgRed);
        dib.SetTableOpacity(static_cast<unsigned>(i), alpha[i]);
    }
}
