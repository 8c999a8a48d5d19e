#pragma once
// The editor as the benchmarks drive it: the application, its main frame
// shown offscreen at 1200 x 900 and a new map over a plain picture of the
// given size, its settings in a temporary folder.

#include "app/CMainFrame.h"
#include "app/CZephyrmapApp.h"
#include "model/CZephyrmapDoc.h"
#include "model/MapCommands.h"
#include "services/picture/QtText.h"
#include "services/store/SettingsStore.h"
#include "view/CZephyrmapView.h"

#include <QApplication>
#include <QImage>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

struct BenchEditor {
    QTemporaryDir dir;
    std::unique_ptr<CZephyrmapApp> app;
    CZephyrmapView* view = nullptr;

    BenchEditor(int width, int height)
    {
        const QString picture = dir.filePath(QStringLiteral("picture.png"));
        {
            QImage image(width, height, QImage::Format_RGB32);
            image.fill(QColor(200, 220, 240));
            image.save(picture);
        }
        app = std::make_unique<CZephyrmapApp>(std::make_unique<SettingsStore>(dir.filePath(QStringLiteral("b.ini"))));
        app->InitInstance({}, false);
        app->Frame()->resize(1200, 900);
        app->Frame()->show();
        app->Document()->SetAttribute(AttrImageSrc, FromQString(picture));
        mapcmd::AfterMapCreated(*app->Document());
        view = &app->Frame()->View();
        QApplication::processEvents();
    }
    ~BenchEditor() { app->DestroyFrame(); }
    BenchEditor(const BenchEditor&) = delete;
    BenchEditor& operator=(const BenchEditor&) = delete;

    CMainFrame& Frame() const { return *app->Frame(); }
    CZephyrmapDoc& Doc() const { return *app->Document(); }

    // A command as the menu runs it, its enable state brought up to date first.
    void Run(CommandId id) const
    {
        Frame().UpdateCommandUI();
        Frame().Action(id)->trigger();
    }
};

// A benchmark program's main: Qt offscreen, quiet about the platform.
inline int RunEditorBenchmarks(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_LOGGING_RULES", "qt.qpa.*=false");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
