// The SVG form of a map whose areas lie 50 deep, beside its HTML form:
// 100,000 areas in 2,000 stacks, each of 50 rectangles, circles and
// polygons sliding a pixel at a time over one another. Each area's clip
// cuts out every earlier area over it, so the SVG form grows with the
// overlapping pairs (2,000 x 1,225 of them) unless a pair costs only a
// reference. The counters give each output's size; compare the sizes and
// the times of the two benchmarks.
#include "formats/HtmlOutputOptions.h"
#include "formats/HtmlWriter.h"
#include "formats/SvgWriter.h"
#include "model/CZephyrmapDoc.h"
#include "services/settings/AppSettings.h"

#include <benchmark/benchmark.h>

namespace
{

constexpr int kDepth = 50;
constexpr int kStacks = 2000;
constexpr int kColumns = 50; // 50 x 40 stacks
constexpr int kCellWidth = 120, kCellHeight = 110, kSide = 60;
constexpr DisplaySize kPicture{kColumns * kCellWidth, (kStacks / kColumns) * kCellHeight};

std::unique_ptr<CMapData> Layer(int stack, int layer)
{
    const int x = (stack % kColumns) * kCellWidth + layer, y = (stack / kColumns) * kCellHeight + layer;
    auto a = std::make_unique<CMapData>();
    switch (layer % 3) {
    case 0:
        a->m_shape = ShapeRect;
        a->m_points = {{x, y}, {x + kSide, y}, {x + kSide, y + kSide}, {x, y + kSide}};
        break;
    case 1:
        a->m_shape = ShapeCirc;
        a->m_points = {{x, y}, {x + kSide, y}, {x + kSide, y + kSide}, {x, y + kSide}};
        break;
    default:
        a->m_shape = ShapePoly;
        a->m_points = {{x, y}, {x + kSide, y + 5}, {x + kSide - 4, y + kSide}, {x + 3, y + kSide - 6}};
    }
    a->m_href = "page" + std::to_string(stack) + "-" + std::to_string(layer) + ".html";
    a->m_alt = "area " + std::to_string(stack * kDepth + layer);
    return a;
}

struct StackedMap {
    AppSettings settings;
    CZephyrmapDoc doc{settings};
    StackedMap()
    {
        doc.SetAttribute(AttrMapName, "stacks");
        doc.SetAttribute(AttrImageSrc, "/site/picture.png");
        doc.SetAttribute(AttrHtmlPath, "/site/index.html");
        doc.SetAttribute(AttrWidth, std::to_string(kPicture.width));
        doc.SetAttribute(AttrHeight, std::to_string(kPicture.height));
        for (int stack = 0; stack < kStacks; ++stack)
            for (int layer = 0; layer < kDepth; ++layer)
                doc.AppendArea(Layer(stack, layer));
    }
};

StackedMap& Map()
{
    static StackedMap map;
    return map;
}

void BM_StackedHtml(benchmark::State& state)
{
    const HtmlOutputOptions options = HtmlOutputOptions::FromSettings(Map().settings);
    std::size_t bytes = 0;
    for (auto _ : state) {
        bytes = html::WriteMapHtml(Map().doc, options).size();
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_StackedHtml)->Unit(benchmark::kMillisecond);

void BM_StackedSvg(benchmark::State& state)
{
    const HtmlOutputOptions options = HtmlOutputOptions::FromSettings(Map().settings);
    std::size_t bytes = 0;
    for (auto _ : state) {
        bytes = svg::WriteMapSvg(Map().doc, options, kPicture).size();
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_StackedSvg)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
