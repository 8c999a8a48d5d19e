// Dragging an area across the editor view at 300 %, with mouse-move events
// through the real event path, each followed by the repaint it asks for:
// over an 800 x 600 picture and over an 8000 x 6000 one, in the same run.
// The cost of a move should follow the boxes it changes, not the picture;
// the large run also reports the process's peak memory.
//
// Changing the magnification of the 8000 x 6000 picture and painting the
// view again, at 100 % and at 800 %: the picture is drawn in tiles, so the
// change at 800 % should cost about what it costs at 100 % (the peak memory
// is reported). And a rubber band dragged over a map of 10,000 areas, each
// move repainted: what one move costs.
#include "app/CMainFrame.h"
#include "app/CZephyrmapApp.h"
#include "bench/BenchEditor.h"
#include "model/CZephyrmapDoc.h"
#include "model/MapCommands.h"
#include "services/picture/QtText.h"
#include "services/store/SettingsStore.h"
#include "view/CZephyrmapView.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QTemporaryDir>

#include <fstream>
#include <memory>
#include <string>

namespace
{

// Peak resident memory of this process, in megabytes.
double PeakMegabytes()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stod(line.substr(6)) / 1024.0;
    }
    return 0;
}

void SendMouse(QWidget* target, QEvent::Type type, QPoint at, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, at, target->mapToGlobal(at), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                      buttons, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

void Drag(benchmark::State& state, int width, int height)
{
    QTemporaryDir dir;
    const QString picture = dir.filePath(QStringLiteral("picture.png"));
    {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(QColor(200, 220, 240));
        image.save(picture);
    }
    CZephyrmapApp app(std::make_unique<SettingsStore>(dir.filePath(QStringLiteral("bench.ini"))));
    app.InitInstance({}, false);
    CMainFrame& frame = *app.Frame();
    frame.resize(1200, 900);
    frame.show();
    CZephyrmapDoc& doc = *app.Document();
    doc.SetAttribute(AttrImageSrc, FromQString(picture));
    mapcmd::AfterMapCreated(doc);
    CZephyrmapView& view = frame.View();
    view.ApplyMagnification(3.0f);
    auto area = std::make_unique<CMapData>();
    area->m_shape = ShapeRect;
    area->m_points = {{100, 100}, {200, 100}, {200, 150}, {100, 150}};
    area->BuildRegion();
    CMapData* raw = area.get();
    view.AddArea(std::move(area));
    view.SelectArea(raw);
    QApplication::processEvents();
    QWidget* viewport = view.viewport();
    QPoint at = view.ToLogical({150, 125}) - view.ScrollPosition();
    SendMouse(viewport, QEvent::MouseMove, at, Qt::NoButton);
    SendMouse(viewport, QEvent::MouseButtonPress, at, Qt::LeftButton);
    int step = 3;
    for (auto _ : state) {
        // Back and forth over 40 picture pixels, one picture pixel a move.
        if (at.x() > 600 || at.x() < 300)
            step = -step;
        at += QPoint(step, 0);
        SendMouse(viewport, QEvent::MouseMove, at, Qt::LeftButton);
        QApplication::processEvents();
    }
    SendMouse(viewport, QEvent::MouseButtonRelease, at, Qt::NoButton);
    state.counters["peak_MB"] = PeakMegabytes();
    app.DestroyFrame();
}

void BM_DragOverSmallPicture(benchmark::State& state)
{
    Drag(state, 800, 600);
}
void BM_DragOverLargePicture(benchmark::State& state)
{
    Drag(state, 8000, 6000);
}

// Back and forth between the magnification and three quarters of it, the
// view painted after each change.
void BM_ZoomChange(benchmark::State& state)
{
    BenchEditor editor(8000, 6000);
    const float factor = static_cast<float>(state.range(0)) / 100.0f;
    bool full = false;
    for (auto _ : state) {
        full = !full;
        editor.view->ApplyMagnification(full ? factor : factor * 0.75f);
        editor.view->viewport()->repaint();
    }
    state.counters["peak_MB"] = PeakMegabytes();
}

void BM_RubberBandOverTenThousandAreas(benchmark::State& state)
{
    BenchEditor editor(8000, 6000);
    CZephyrmapDoc& doc = *editor.app->Document();
    for (int i = 0; i < 10000; ++i) {
        auto area = std::make_unique<CMapData>();
        const int left = 60 + (i % 100) * 40, top = 60 + (i / 100) * 40;
        area->m_shape = ShapeRect;
        area->m_points = {{left, top}, {left + 20, top}, {left + 20, top + 20}, {left, top + 20}};
        area->BuildRegion();
        doc.InsertArea(std::move(area));
    }
    CZephyrmapView& view = *editor.view;
    view.ApplyMagnification(0.25f); // every area on the screen
    QWidget* viewport = view.viewport();
    const QPoint start = view.ToLogical({10, 10}) - view.ScrollPosition();
    SendMouse(viewport, QEvent::MouseMove, start, Qt::NoButton);
    SendMouse(viewport, QEvent::MouseButtonPress, start, Qt::LeftButton);
    int step = 0;
    for (auto _ : state) {
        step = (step + 7) % 400;
        SendMouse(viewport, QEvent::MouseMove, start + QPoint(100 + step, 80 + step), Qt::LeftButton);
        viewport->repaint();
    }
    SendMouse(viewport, QEvent::MouseButtonRelease, start + QPoint(100 + step, 80 + step), Qt::NoButton);
    state.counters["selected"] = static_cast<double>(view.Selection().Areas().size());
}

} // namespace

BENCHMARK(BM_ZoomChange)->Arg(100)->Arg(800)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_RubberBandOverTenThousandAreas)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_DragOverSmallPicture)->Unit(benchmark::kMicrosecond)->MinTime(2.0);
BENCHMARK(BM_DragOverLargePicture)->Unit(benchmark::kMicrosecond)->MinTime(2.0);

int main(int argc, char** argv)
{
    return RunEditorBenchmarks(argc, argv);
}
