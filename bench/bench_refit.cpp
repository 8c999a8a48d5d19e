// Fitting a 6000 x 4000 picture against its 3000 x 2000 copy, against loading
// the larger picture, in the same run: both as JPEG through Qt's reader and
// as PNG through our PNG route, each fitted from the pictures as loaded, as
// the editor's refit command does.
#include "model/CZephyrmapDoc.h"
#include "services/picture/MapPicture.h"
#include "services/picture/PictureRefit.h"
#include "services/picture/QtText.h"
#include "services/settings/AppSettings.h"

#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include <filesystem>
#include <random>

namespace
{

constexpr int kWidth = 6000, kHeight = 4000;

// A dark mottled ground, so that neither file is trivially small, with a few
// hundred coloured boxes and discs over it.
QImage Scene()
{
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    for (int y = 0; y < kHeight; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < kWidth; ++x) {
            const unsigned mottle = (unsigned(x / 7) * 2654435761u) ^ (unsigned(y / 5) * 40503u);
            row[x] = qRgb(20 + mottle % 60, 30 + (mottle >> 8) % 50, 40 + (mottle >> 16) % 70);
        }
    }
    std::mt19937 random(34);
    QPainter painter(&image);
    painter.setPen(QPen(Qt::black, 6));
    for (int i = 0; i < 400; ++i) {
        painter.setBrush(QColor::fromHsv(int(random() % 360), 200, 230));
        const QRect box(int(random() % (kWidth - 300)), int(random() % (kHeight - 300)), 60 + int(random() % 240),
                        60 + int(random() % 240));
        if (random() % 2)
            painter.drawRect(box);
        else
            painter.drawEllipse(box);
    }
    return image;
}

struct Files {
    std::string largeJpeg, smallJpeg, largePng, smallPng;
};

const Files& Pictures()
{
    static const Files files = [] {
        const auto folder = std::filesystem::temp_directory_path();
        const QImage large = Scene();
        const QImage small = large.scaled(kWidth / 2, kHeight / 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        Files f{(folder / "zm-bench-refit-6000x4000.jpg").string(), (folder / "zm-bench-refit-3000x2000.jpg").string(),
                (folder / "zm-bench-refit-6000x4000.png").string(), (folder / "zm-bench-refit-3000x2000.png").string()};
        large.save(ToQString(f.largeJpeg), "JPEG", 90);
        small.save(ToQString(f.smallJpeg), "JPEG", 90);
        large.save(ToQString(f.largePng), "PNG");
        small.save(ToQString(f.smallPng), "PNG");
        return f;
    }();
    return files;
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

void Fit(benchmark::State& state, const std::string& largePath, const std::string& smallPath)
{
    MapPicture large, small;
    if (!large.Load(largePath) || !small.Load(smallPath)) {
        state.SkipWithError("load failed");
        return;
    }
    AppSettings settings;
    CZephyrmapDoc doc(settings);
    doc.SetAttribute(AttrWidth, std::to_string(kWidth));
    doc.SetAttribute(AttrHeight, std::to_string(kHeight));
    RefitResult r;
    for (auto _ : state) {
        r = picturerefit::Fit(doc, &large, small);
        if (!r.Ok() || r.transform.ScaleX() != 0.5 || r.transform.ScaleY() != 0.5)
            state.SkipWithError("fit failed");
        benchmark::DoNotOptimize(&r);
    }
    state.counters["agreeing"] = r.agreeing;
    state.counters["residual"] = r.residual;
}

void BM_LoadJpeg(benchmark::State& state)
{
    Load(state, Pictures().largeJpeg);
}
void BM_FitJpeg(benchmark::State& state)
{
    Fit(state, Pictures().largeJpeg, Pictures().smallJpeg);
}
void BM_LoadPng(benchmark::State& state)
{
    Load(state, Pictures().largePng);
}
void BM_FitPng(benchmark::State& state)
{
    Fit(state, Pictures().largePng, Pictures().smallPng);
}
BENCHMARK(BM_LoadJpeg)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_FitJpeg)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_LoadPng)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_FitPng)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
