#pragma once
// Whether a region the trace tool traced should become an area, told to the
// user with what happened and what to try: a trace that failed says why; a
// region over a quarter of the picture (the background clicked, or a region
// spread through a gap in its border) or of only a few pixels (a tolerance
// too low for the picture's noise) is asked about, naming the tolerance keys.

#include "services/trace/RegionTracer.h"

#include <QString>

class QWidget;

class TracedRegionCheck
{
public:
    // A region larger than this share of the picture is asked about.
    static constexpr double kLargeShare = 0.25;

    TracedRegionCheck(QWidget* owner, int pictureWidth, int pictureHeight, int tolerance)
        : m_owner(owner), m_width(pictureWidth), m_height(pictureHeight), m_tolerance(tolerance)
    {
    }

    // True when `traced` is to be added: a trace that worked, of a size that
    // is usual or that the user accepts. A trace that failed is told.
    bool Accept(const TraceResult& traced) const;

    static QString LargeRegionQuestion(int percent, int tolerance);
    static QString TinyRegionQuestion(int width, int height, int tolerance);
    static QString FailureText(TraceFailure failure);

private:
    bool Ask(const QString& question) const;
    int Percent(const TraceResult& traced) const;

    QWidget* m_owner;
    int m_width, m_height;
    int m_tolerance;
};
