// Checking a map of 2,000 areas beside writing that map's HTML source: the
// findings pane follows every edit, so a check should cost about as much as
// an output. The map is a picture of 1600 x 1200 pixels covered by a grid of
// rectangles, circles and polygons, some overlapping, some hidden, some
// without ALT, every link a local page (half of them there). The SVG form
// of the same map is timed beside them, and both outputs again for a map of
// 50,000 such areas (a grid 25 times as large), where the SVG form should
// still cost about what the HTML source does rather than grow with the
// square of the areas.
#include "check/MapChecker.h"
#include "formats/HtmlOutputOptions.h"
#include "formats/HtmlWriter.h"
#include "formats/SvgWriter.h"
#include "model/CZephyrmapDoc.h"
#include "services/settings/AppSettings.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace
{

constexpr int kAreas = 2000;
constexpr int kColumns = 50; // 50 x 40 cells of 32 x 30 pixels
constexpr int kLargeMapAreas = 50000;
constexpr DisplaySize kPicture{1600, 1200};

const std::filesystem::path& Site()
{
    static const std::filesystem::path site = [] {
        const auto dir = std::filesystem::temp_directory_path() / ("zm-bench-site-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir);
        for (int i = 0; i < kAreas; i += 2)
            std::ofstream((dir / ("page" + std::to_string(i) + ".html")).string()) << "x";
        return dir;
    }();
    return site;
}

std::unique_ptr<CMapData> Cell(int i, int columns)
{
    const int x = (i % columns) * 32, y = (i / columns) * 30;
    auto a = std::make_unique<CMapData>();
    switch (i % 3) {
    case 0: // a little wider than its cell: it overlaps the next one
        a->m_shape = ShapeRect;
        a->m_points = {{x, y}, {x + 40, y}, {x + 40, y + 28}, {x, y + 28}};
        break;
    case 1:
        a->m_shape = ShapeCirc;
        a->m_points = {{x + 2, y + 2}, {x + 26, y + 2}, {x + 26, y + 26}, {x + 2, y + 26}};
        break;
    default:
        a->m_shape = ShapePoly;
        a->m_points = {{x + 1, y + 1}, {x + 30, y + 4}, {x + 24, y + 28}, {x + 12, y + 20}, {x + 3, y + 27}};
    }
    a->BuildRegion();
    a->m_href = "page" + std::to_string(i) + ".html";
    if (i % 7 != 0)
        a->m_alt = "area " + std::to_string(i);
    return a;
}

struct BigMap {
    AppSettings settings;
    CZephyrmapDoc doc{settings};
    explicit BigMap(int areas)
    {
        const int columns = areas == kAreas ? kColumns : kColumns * 5;
        doc.SetAttribute(AttrMapName, "big");
        doc.SetAttribute(AttrImageSrc, (Site() / "picture.png").string());
        doc.SetAttribute(AttrHtmlPath, (Site() / "index.html").string());
        doc.SetAttribute(AttrWidth, std::to_string(kPicture.width));
        doc.SetAttribute(AttrHeight, std::to_string(kPicture.height));
        for (int i = 0; i < areas; ++i)
            doc.AppendArea(Cell(i, columns));
        doc.EnsureDefaultArea();
        doc.MoveDefaultAreaToEnd();
        doc.FindDefaultArea()->m_href = "index.html";
    }
};

BigMap& Map(int areas = kAreas)
{
    static BigMap map(kAreas);
    if (areas == kAreas)
        return map;
    static BigMap large(kLargeMapAreas);
    return large;
}

void BM_WriteHtmlSource(benchmark::State& state)
{
    BigMap& map = Map(static_cast<int>(state.range(0)));
    const HtmlOutputOptions options = HtmlOutputOptions::FromSettings(map.settings);
    for (auto _ : state)
        benchmark::DoNotOptimize(html::WriteMapHtml(map.doc, options).size());
}
BENCHMARK(BM_WriteHtmlSource)->Arg(kAreas)->Arg(kLargeMapAreas)->Unit(benchmark::kMillisecond);

void BM_CheckMap(benchmark::State& state)
{
    const MapChecker checker;
    std::size_t findings = 0;
    for (auto _ : state) {
        findings = checker.Check(Map().doc, kPicture).size();
        benchmark::DoNotOptimize(findings);
    }
    state.counters["findings"] = static_cast<double>(findings);
}
BENCHMARK(BM_CheckMap)->Unit(benchmark::kMillisecond);

void BM_WriteSvg(benchmark::State& state)
{
    BigMap& map = Map(static_cast<int>(state.range(0)));
    const HtmlOutputOptions options = HtmlOutputOptions::FromSettings(map.settings);
    for (auto _ : state)
        benchmark::DoNotOptimize(svg::WriteMapSvg(map.doc, options, kPicture).size());
}
BENCHMARK(BM_WriteSvg)->Arg(kAreas)->Arg(kLargeMapAreas)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::remove_all(Site());
    return 0;
}
