// Tracing in a 6000 x 4000 picture against loading that picture, in the same
// run: as a PNG through our PNG route and as a JPEG through Qt's reader. The
// picture is a sky of 14.4 million pixels over a mottled ground holding a
// yellow disc of a million pixels (radius 564).
//
// - Load: reading the file into the picture the editor holds.
// - Canvas: what the trace tool's preview makes of a picture once, on its
//   own thread (halved and converted); the editor's own thread only shares
//   the picture's pixels with it.
// - Hover: the preview's trace under a resting pointer, on that canvas.
// - Click: the trace a click makes, on the picture itself.
#include "services/picture/MapPicture.h"
#include "services/picture/PicturePixels.h"
#include "services/picture/PictureTrace.h"
#include "services/trace/TraceCanvas.h"
#include "tests/services/png/PngMaker.h"

#include <benchmark/benchmark.h>

#include <QImage>

#include <cmath>
#include <filesystem>
#include <fstream>

namespace
{

constexpr int kWidth = 6000, kHeight = 4000;
constexpr int kHorizon = 2400;
constexpr double kRadius = 564.2; // pi r^2 = 1,000,000
const Point kDisc{3100, 3200};
const Point kSky{1000, 600};

// The sky pales towards the horizon with a little noise, as a photograph's
// does; the ground is mottled in blocks, so that neither file is trivially small.
std::vector<std::vector<std::uint8_t>> Rows()
{
    std::vector<std::vector<std::uint8_t>> rows(kHeight);
    for (int y = 0; y < kHeight; ++y) {
        rows[y].reserve(kWidth * 3);
        for (int x = 0; x < kWidth; ++x) {
            const unsigned mottle = (unsigned(x / 7) * 2654435761u) ^ (unsigned(y / 5) * 40503u);
            if (y < kHorizon) {
                const int noise = int((unsigned(x) * 2246822519u ^ unsigned(y) * 3266489917u) >> 29) - 4;
                rows[y].insert(rows[y].end(), {std::uint8_t(150 + y / 80 + noise), std::uint8_t(190 + y / 120 + noise),
                                               std::uint8_t(235 + noise)});
            } else if (std::hypot(x + 0.5 - kDisc.x, y + 0.5 - kDisc.y) <= kRadius) {
                rows[y].insert(rows[y].end(), {250, 235, 40});
            } else {
                rows[y].insert(rows[y].end(), {std::uint8_t(20 + mottle % 60), std::uint8_t(30 + (mottle >> 8) % 50),
                                               std::uint8_t(40 + (mottle >> 16) % 70)});
            }
        }
    }
    return rows;
}

const std::string& PngPath()
{
    static const std::string path = [] {
        const auto file = std::filesystem::temp_directory_path() / "zm-bench-trace-sky-6000x4000.png";
        std::ofstream(file, std::ios::binary) << PngMaker(kWidth, kHeight, 8, 2).Rows(Rows()).Bytes();
        return file.string();
    }();
    return path;
}

const std::string& JpegPath()
{
    static const std::string path = [] {
        const auto file = std::filesystem::temp_directory_path() / "zm-bench-trace-sky-6000x4000.jpg";
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

void Canvas(benchmark::State& state, const std::string& path)
{
    MapPicture picture;
    if (!picture.Load(path)) {
        state.SkipWithError("load failed");
        return;
    }
    const PicturePixels shared = PicturePixels::Of(picture);
    for (auto _ : state) {
        const TraceCanvas canvas = TraceCanvas::Of(shared.Pixels());
        benchmark::DoNotOptimize(&canvas);
    }
}

void Report(benchmark::State& state, const TraceResult& r)
{
    if (!r.Ok())
        state.SkipWithError("trace failed");
    state.counters["region"] = static_cast<double>(r.regionPixels);
    state.counters["corners"] = static_cast<double>(r.outline.size());
}

void Hover(benchmark::State& state, const std::string& path, Point at)
{
    MapPicture picture;
    if (!picture.Load(path)) {
        state.SkipWithError("load failed");
        return;
    }
    const TraceCanvas canvas = TraceCanvas::Of(PicturePixels::Of(picture).Pixels());
    TraceResult r;
    for (auto _ : state) {
        r = canvas.Trace(at, TraceOptions());
        benchmark::DoNotOptimize(r.outline.data());
    }
    Report(state, r);
}

void Click(benchmark::State& state, const std::string& path, Point at)
{
    MapPicture picture;
    if (!picture.Load(path)) {
        state.SkipWithError("load failed");
        return;
    }
    TraceResult r;
    for (auto _ : state) {
        r = picturetrace::Trace(picture, at, TraceOptions());
        benchmark::DoNotOptimize(r.outline.data());
    }
    Report(state, r);
}

void BM_LoadPng(benchmark::State& state)
{
    Load(state, PngPath());
}
void BM_CanvasPng(benchmark::State& state)
{
    Canvas(state, PngPath());
}
void BM_HoverDiscPng(benchmark::State& state)
{
    Hover(state, PngPath(), kDisc);
}
void BM_HoverSkyPng(benchmark::State& state)
{
    Hover(state, PngPath(), kSky);
}
void BM_ClickDiscPng(benchmark::State& state)
{
    Click(state, PngPath(), kDisc);
}
void BM_ClickSkyPng(benchmark::State& state)
{
    Click(state, PngPath(), kSky);
}
void BM_LoadJpeg(benchmark::State& state)
{
    Load(state, JpegPath());
}
void BM_HoverSkyJpeg(benchmark::State& state)
{
    Hover(state, JpegPath(), kSky);
}
void BM_ClickDiscJpeg(benchmark::State& state)
{
    Click(state, JpegPath(), kDisc);
}
BENCHMARK(BM_LoadPng)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_CanvasPng)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_HoverDiscPng)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_HoverSkyPng)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ClickDiscPng)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ClickSkyPng)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_LoadJpeg)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_HoverSkyJpeg)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ClickDiscJpeg)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
