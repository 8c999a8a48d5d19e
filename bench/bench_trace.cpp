// Tracing a region of a million pixels (a disc of radius 564) in a 6000 x
// 4000 picture, against loading that picture, in the same run: as a PNG
// through our PNG route and as a JPEG through Qt's reader, each traced from
// the picture as loaded, as the editor's trace tool does.
#include "services/picture/MapPicture.h"
#include "services/picture/PictureTrace.h"
#include "tests/services/png/PngMaker.h"

#include <benchmark/benchmark.h>

#include <QImage>

#include <cmath>
#include <filesystem>
#include <fstream>

namespace
{

constexpr int kWidth = 6000, kHeight = 4000;
constexpr double kRadius = 564.2; // pi r^2 = 1,000,000
const Point kCentre{3100, 1900};

// A dark mottled ground, so that neither file is trivially small, with the
// disc in yellow.
std::vector<std::vector<std::uint8_t>> Rows()
{
    std::vector<std::vector<std::uint8_t>> rows(kHeight);
    for (int y = 0; y < kHeight; ++y) {
        rows[y].reserve(kWidth * 3);
        for (int x = 0; x < kWidth; ++x) {
            if (std::hypot(x + 0.5 - kCentre.x, y + 0.5 - kCentre.y) <= kRadius) {
                rows[y].insert(rows[y].end(), {250, 235, 40});
                continue;
            }
            const unsigned mottle = (unsigned(x / 7) * 2654435761u) ^ (unsigned(y / 5) * 40503u);
            rows[y].insert(rows[y].end(), {std::uint8_t(20 + mottle % 60), std::uint8_t(30 + (mottle >> 8) % 50),
                                           std::uint8_t(40 + (mottle >> 16) % 70)});
        }
    }
    return rows;
}

const std::string& PngPath()
{
    static const std::string path = [] {
        const auto file = std::filesystem::temp_directory_path() / "zm-bench-trace-6000x4000.png";
        std::ofstream(file, std::ios::binary) << PngMaker(kWidth, kHeight, 8, 2).Rows(Rows()).Bytes();
        return file.string();
    }();
    return path;
}

const std::string& JpegPath()
{
    static const std::string path = [] {
        const auto file = std::filesystem::temp_directory_path() / "zm-bench-trace-6000x4000.jpg";
        QImage image(kWidth, kHeight, QImage::Format_RGB888);
        const auto rows = Rows();
        for (int y = 0; y < kHeight; ++y)
            std::copy(rows[y].begin(), rows[y].end(), image.scanLine(y));
        image.save(QString::fromStdString(file.string()), "JPEG", 90);
        return file.string();
    }();
    return path;
}

void Load(benchmark::State& state, const std::string& path)
{
    for (auto _ : state) {
        MapPicture picture;
        if (!picture.Load(path))
            state.SkipWithError("load failed");
        benchmark::DoNotOptimize(&picture);
    }
}

void Trace(benchmark::State& state, const std::string& path)
{
    MapPicture picture;
    if (!picture.Load(path)) {
        state.SkipWithError("load failed");
        return;
    }
    std::int64_t pixels = 0;
    for (auto _ : state) {
        const TraceResult r = picturetrace::Trace(picture, kCentre, TraceOptions());
        if (!r.Ok())
            state.SkipWithError("trace failed");
        pixels = r.regionPixels;
        benchmark::DoNotOptimize(r.outline.data());
    }
    state.counters["region"] = static_cast<double>(pixels);
}

void BM_LoadPng(benchmark::State& state)
{
    Load(state, PngPath());
}
void BM_TracePng(benchmark::State& state)
{
    Trace(state, PngPath());
}
void BM_LoadJpeg(benchmark::State& state)
{
    Load(state, JpegPath());
}
void BM_TraceJpeg(benchmark::State& state)
{
    Trace(state, JpegPath());
}
BENCHMARK(BM_LoadPng)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_TracePng)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_LoadJpeg)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_TraceJpeg)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
