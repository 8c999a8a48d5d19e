// Loading a 6000 x 4000 RGBA PNG (made here, every pixel's alpha varying so
// that compositing has work to do) through our PNG route and through Qt's
// image reader, in the same run.
#include "services/picture/MapPicture.h"
#include "tests/services/png/PngMaker.h"

#include <benchmark/benchmark.h>

#include <QImage>
#include <QImageReader>

#include <filesystem>
#include <fstream>

namespace
{

const std::string& PicturePath()
{
    static const std::string path = [] {
        const int width = 6000, height = 4000;
        std::vector<std::vector<std::uint8_t>> rows(height);
        for (int y = 0; y < height; ++y) {
            rows[y].reserve(width * 4);
            for (int x = 0; x < width; ++x)
                rows[y].insert(rows[y].end(), {std::uint8_t(x), std::uint8_t(y), std::uint8_t(x + y),
                                               std::uint8_t((x / 16) * (y / 16))});
        }
        const auto file = std::filesystem::temp_directory_path() / "zm-bench-6000x4000.png";
        std::ofstream(file, std::ios::binary) << PngMaker(width, height, 8, 6).Rows(rows).Bytes();
        return file.string();
    }();
    return path;
}

void BM_OurPngRoute(benchmark::State& state)
{
    const std::string& path = PicturePath();
    for (auto _ : state) {
        MapPicture picture;
        picture.SetBackgroundColor(MakeRgb(208, 208, 208));
        if (!picture.Load(path))
            state.SkipWithError("load failed");
        benchmark::DoNotOptimize(picture.Dib().Bits());
    }
}
BENCHMARK(BM_OurPngRoute)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_QtImageReader(benchmark::State& state)
{
    const QString path = QString::fromStdString(PicturePath());
    for (auto _ : state) {
        QImageReader reader(path);
        reader.setAllocationLimit(1024);
        QImage image = reader.read();
        if (image.isNull())
            state.SkipWithError("read failed");
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_QtImageReader)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
