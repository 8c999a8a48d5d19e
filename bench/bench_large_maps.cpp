// The editor's answers on a map of 100,000 areas against the same on 10,000
// (rectangles and hexagons in a grid over a 4000 x 3000 picture), through
// the code the editor runs: a rubber band taking every area, on release;
// Ctrl+Z bringing every deleted area back; a zoom step with every area
// selected; deleting one area, and its undo; one step of dragging an area;
// each followed by the repaint it asks for. A linear editor costs ten times
// as much at ten times the areas; a ratio near 100 is a square.
#include "bench/BenchEditor.h"

#include <benchmark/benchmark.h>

#include <QMouseEvent>

#include <cmath>

namespace
{

constexpr int kPictureWidth = 4000;
constexpr int kPictureHeight = 3000;

void SendMouse(QWidget* target, QEvent::Type type, QPoint at, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, at, target->mapToGlobal(at), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                      buttons, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

// `count` areas in a grid, every other one a hexagon, laid as many deep as
// the grid's cells must be reused.
void FillMap(CZephyrmapDoc& doc, int count)
{
    constexpr int kCell = 12;
    constexpr int kColumns = (kPictureWidth - 2 * kCell) / kCell;
    constexpr int kRows = (kPictureHeight - 2 * kCell) / kCell;
    for (int i = 0; i < count; ++i) {
        const int cell = i % (kColumns * kRows);
        const int depth = i / (kColumns * kRows);
        const int left = kCell + (cell % kColumns) * kCell + depth, top = kCell + (cell / kColumns) * kCell + depth;
        auto area = std::make_unique<CMapData>();
        if (i % 2 == 0) {
            area->m_shape = ShapeRect;
            area->m_points = {{left, top}, {left + 8, top}, {left + 8, top + 8}, {left, top + 8}};
        } else {
            area->m_shape = ShapePoly;
            area->m_points = {{left + 2, top},     {left + 6, top},     {left + 8, top + 4},
                              {left + 6, top + 8}, {left + 2, top + 8}, {left, top + 4}};
        }
        area->m_href = "page" + std::to_string(i) + ".html";
        area->BuildRegion();
        doc.AppendArea(std::move(area)); // as a file is read
    }
}

struct LargeMap {
    BenchEditor editor{kPictureWidth, kPictureHeight};
    explicit LargeMap(int count)
    {
        FillMap(editor.Doc(), count);
        editor.Frame().FillList();
        editor.view->ApplyMagnification(0.25f); // every area on the screen
        QApplication::processEvents();
    }
    CZephyrmapView& View() const { return *editor.view; }
    QWidget* Viewport() const { return editor.view->viewport(); }
    QPoint OnScreen(Point p) const { return View().ToLogical(p) - View().ScrollPosition(); }
};

void Report(benchmark::State& state)
{
    state.counters["areas"] = static_cast<double>(state.range(0));
}

void BM_RubberBandTakingEveryArea(benchmark::State& state)
{
    LargeMap map(static_cast<int>(state.range(0)));
    const QPoint from = map.OnScreen({1, 1}), to = map.OnScreen({kPictureWidth - 1, kPictureHeight - 1});
    for (auto _ : state) {
        state.PauseTiming();
        map.View().SelectArea(nullptr);
        SendMouse(map.Viewport(), QEvent::MouseMove, from, Qt::NoButton);
        SendMouse(map.Viewport(), QEvent::MouseButtonPress, from, Qt::LeftButton);
        SendMouse(map.Viewport(), QEvent::MouseMove, to, Qt::LeftButton);
        state.ResumeTiming();
        SendMouse(map.Viewport(), QEvent::MouseButtonRelease, to, Qt::NoButton);
        map.Viewport()->repaint();
    }
    if (map.View().Selection().Areas().size() != static_cast<std::size_t>(state.range(0)))
        state.SkipWithError("the band did not take every area");
    Report(state);
}

void BM_UndoBringingEveryAreaBack(benchmark::State& state)
{
    LargeMap map(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        map.editor.Run(CmdSelectAll);
        map.editor.Run(CmdDeleteArea);
        map.Viewport()->repaint();
        state.ResumeTiming();
        map.editor.Run(CmdUndo);
        map.Viewport()->repaint();
    }
    if (map.editor.Doc().AreaCount() < state.range(0))
        state.SkipWithError("the areas did not come back");
    Report(state);
}

void BM_ZoomStepWithEveryAreaSelected(benchmark::State& state)
{
    LargeMap map(static_cast<int>(state.range(0)));
    map.editor.Run(CmdSelectAll);
    bool larger = false;
    for (auto _ : state) {
        larger = !larger;
        map.View().ApplyMagnification(larger ? 0.5f : 0.25f);
        map.Viewport()->repaint();
    }
    Report(state);
}

void BM_DeleteOneAreaAndUndo(benchmark::State& state)
{
    LargeMap map(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        map.View().SelectAreaAt(static_cast<int>(state.range(0)) / 2);
        state.ResumeTiming();
        map.editor.Run(CmdDeleteArea);
        map.Viewport()->repaint();
        map.editor.Run(CmdUndo);
        map.Viewport()->repaint();
    }
    Report(state);
}

void BM_OneDragStep(benchmark::State& state)
{
    LargeMap map(static_cast<int>(state.range(0)));
    map.View().ApplyMagnification(1.0f);
    QApplication::processEvents();
    const QPoint at = map.OnScreen({16, 16}); // inside the first rectangle
    SendMouse(map.Viewport(), QEvent::MouseMove, at, Qt::NoButton);
    SendMouse(map.Viewport(), QEvent::MouseButtonPress, at, Qt::LeftButton);
    int step = 0;
    for (auto _ : state) {
        step = (step + 1) % 40;
        SendMouse(map.Viewport(), QEvent::MouseMove, at + QPoint(10 + step, 10 + step), Qt::LeftButton);
        map.Viewport()->repaint();
    }
    SendMouse(map.Viewport(), QEvent::MouseButtonRelease, at + QPoint(10 + step, 10 + step), Qt::NoButton);
    Report(state);
}

} // namespace

BENCHMARK(BM_RubberBandTakingEveryArea)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_UndoBringingEveryAreaBack)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ZoomStepWithEveryAreaSelected)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_DeleteOneAreaAndUndo)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_OneDragStep)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(20);

int main(int argc, char** argv)
{
    return RunEditorBenchmarks(argc, argv);
}
