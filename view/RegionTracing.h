#pragma once
// The trace tool: the region under the pointer becomes a polygon area with
// one click. Once the pointer rests, the outline a click would add is shown
// dashed, with the region's size in the prompt; it is traced on a thread of
// its own (on a halved copy of a large picture), so that the editor takes
// keys and moves meanwhile. A click traces the picture itself and adds the
// outline through the document (one undo step), selected; a region over a
// quarter of the picture or of a few pixels is asked about first, and a trace
// that fails is told (TracedRegionCheck). The tool stays until Escape or
// another tool; "[" and "]" step the colour tolerance down and up a ladder
// of values, which the prompt shows and the settings keep.

#include "model/HitRegion.h"
#include "services/picture/BackgroundTrace.h"
#include "services/trace/RegionTracer.h"
#include "services/types/ColorRef.h"
#include "view/Interaction.h"

#include <QString>
#include <QTimer>

#include <array>
#include <cstdint>

class InteractionHost;

class RegionTracing : public Interaction
{
public:
    // How long the pointer rests before the outline under it is shown.
    static constexpr int kRestMilliseconds = 150;
    // The tolerances the keys step through, in Delta E: steps of about a
    // fifth, fine where small differences matter, each step coming back
    // where it left. A value set between them (on the settings sheet) steps
    // to its neighbours.
    static constexpr std::array<int, 21> kTolerances = {1,  2,  3,  4,  5,  6,  8,  10, 12, 15, 20,
                                                        25, 30, 35, 40, 50, 60, 70, 80, 90, 100};
    static constexpr int kLeastTolerance = kTolerances.front();
    static constexpr int kMostTolerance = kTolerances.back();
    // The simplification distance's limits, in tenths of a picture pixel.
    static constexpr int kLeastSimplify = 1;
    static constexpr int kMostSimplify = 100;

    explicit RegionTracing(InteractionHost& view);

    void Pressed(Point p) override;
    void Moved(Point p) override;
    bool KeyPressed(int key) override;
    bool Cancel() override;
    void Paint(QPainter& painter) const override;
    bool IsBusy() const override { return false; }

    // The outline shown under the pointer; empty when none is.
    const std::vector<Point>& Preview() const;
    int Tolerance() const;
    bool IsRestTimerActive() const { return m_rest.isActive(); }
    // A preview is being traced, or waits to be.
    bool IsTracing() const { return m_previewTracer.IsBusy(); }

    static int ToleranceAbove(int tolerance);
    static int ToleranceBelow(int tolerance);
    static QString PromptText(int tolerance);
    static QString RegionText(std::int64_t pixels, int percent);
    static QString TinyRegionText(std::int64_t pixels);

private:
    TraceOptions Options() const;
    void Rested();
    void Traced(const TraceResult& traced);
    void TakePicture();
    void SetTolerance(int tolerance);
    void HidePreview();
    void ShowPrompt(const QString& more = QString());
    void ShowRegionPrompt();

    InteractionHost& m_view;
    QTimer m_rest;
    Point m_pointer;
    Point m_asked; // where the last preview was asked for
    bool m_previewShown = false;
    HitRegion m_previewRegion;
    TraceResult m_traced; // the preview's while it is shown
    std::uint64_t m_pictureGeneration = 0;
    ColorRef m_pictureBackground = 0;
    BackgroundTrace m_previewTracer;
};
