// The codec against glibc's iconv on the same 20 MB of Japanese text.
// Compare each BM_Ours_* with its BM_Iconv_* (bytes_per_second).
#include "services/text/TextCodec.h"

#include <benchmark/benchmark.h>
#include <iconv.h>

#include <string>

namespace
{

// Kanji, kana, half-width katakana and ASCII markup, in Shift-JIS.
const std::string& SjisText()
{
    static const std::string text = [] {
        const std::string line = "<p class=\"x\">\x93\xFA\x96\x7B\x8C\xEA\x82\xCC\x83\x65\x83\x4C\x83\x58\x83\x67 "
                                 "\xB6\xC0\xB6\xC5 \x8A\xBF\x8E\x9A\x82\xC6\x82\xA9\x82\xC8</p>\r\n";
        std::string t;
        t.reserve(20u << 20);
        while (t.size() + line.size() <= (20u << 20))
            t += line;
        return t;
    }();
    return text;
}

std::string Ours(int from, int to, const std::string& in)
{
    TextCodec codec;
    ConvertedBytes out = codec.ConvertBytes(from, to, in, false);
    return std::string(reinterpret_cast<const char*>(out.data), out.size);
}

std::string Iconv(const char* from, const char* to, const std::string& in)
{
    iconv_t cd = iconv_open(to, from);
    std::string out(in.size() * 3 + 16, '\0');
    char* src = const_cast<char*>(in.data());
    std::size_t srcLeft = in.size();
    char* dst = out.data();
    std::size_t dstLeft = out.size();
    iconv(cd, &src, &srcLeft, &dst, &dstLeft);
    iconv_close(cd);
    out.resize(out.size() - dstLeft);
    return out;
}

const std::string& Input(int code)
{
    static const std::string utf16 = Ours(1, 6, SjisText());
    static const std::string utf8 = Ours(1, 4, SjisText());
    return code == 6 ? utf16 : code == 4 ? utf8 : SjisText();
}

void RunOurs(benchmark::State& state, int from, int to)
{
    const std::string& in = Input(from);
    for (auto _ : state) {
        TextCodec codec;
        benchmark::DoNotOptimize(codec.ConvertBytes(from, to, in, false).size);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * in.size()));
}

void RunIconv(benchmark::State& state, int inputCode, const char* from, const char* to)
{
    const std::string& in = Input(inputCode);
    for (auto _ : state)
        benchmark::DoNotOptimize(Iconv(from, to, in).size());
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * in.size()));
}

} // namespace

BENCHMARK_CAPTURE(RunOurs, SjisToUtf16, 1, 6)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(RunIconv, SjisToUtf16, 1, "CP932", "UTF-16LE")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(RunOurs, Utf16ToSjis, 6, 1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(RunIconv, Utf16ToSjis, 6, "UTF-16LE", "CP932")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(RunOurs, SjisToEucJp, 1, 3)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(RunIconv, SjisToEucJp, 1, "CP932", "EUC-JP")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(RunOurs, SjisToJis, 1, 2)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(RunIconv, SjisToJis, 1, "CP932", "ISO-2022-JP-3")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(RunOurs, Utf8ToSjis, 4, 1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(RunIconv, Utf8ToSjis, 4, "UTF-8", "CP932")->Unit(benchmark::kMillisecond);
// Detection: ours detects and decodes; iconv has no detection, so its peer is
// a plain decode of the same bytes.
BENCHMARK_CAPTURE(RunOurs, DetectToUtf16, 0, 6)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(RunIconv, DetectToUtf16, 1, "CP932", "UTF-16LE")->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
