#pragma once
// The trace tool: the region under the pointer becomes a polygon area with
// one click. Once the pointer rests, the outline a click would add is shown
// dashed; a click adds it through the document (one undo step) and
// selects it. A region larger than a quarter of the picture (a click on the
// background, usually) is asked about first. The tool stays until Escape or
// another tool; "[" and "]" lower and raise the colour tolerance, which the
// status bar's prompt shows and the settings keep.

#include "model/HitRegion.h"
#include "services/trace/RegionTracer.h"
#include "view/Interaction.h"

#include <QString>
#include <QTimer>

class InteractionHost;

class RegionTracing : public Interaction
{
public:
    // How long the pointer rests before the outline under it is shown.
    static constexpr int kRestMilliseconds = 150;
    // The tolerance the keys step through, in Delta E.
    static constexpr int kLeastTolerance = 1;
    static constexpr int kMostTolerance = 100;
    static constexpr int kToleranceStep = 2;
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

    static QString PromptText(int tolerance);
    static QString LargeRegionQuestion(int percent);

private:
    void Rested();
    const TraceResult& TraceAt(Point p);
    bool AcceptSize(const TraceResult& traced);
    void StepTolerance(int step);
    void HidePreview();
    void ShowPrompt();

    InteractionHost& m_view;
    QTimer m_rest;
    Point m_pointer;
    bool m_previewShown = false;
    HitRegion m_previewRegion;
    TraceResult m_traced; // the last trace, the preview's while it is shown
};
