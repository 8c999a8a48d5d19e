#pragma once
// A picture's pixels as the tracer compares them: 8-bit L*a*b* with the
// opacity in a fourth channel (CV_8UC4; see ColourDistance), read from the
// rows where they lie, a window at a time or a few pixels, as they are or
// smoothed with their neighbours (a Gaussian of 5 x 5). A bitmap stored
// bottom-up needs no copy of its own; converted pixels none at all. Inside
// the tracer only.

#include "services/trace/RegionTracer.h"

#include <opencv2/core.hpp>

#include <vector>

class LabPixels
{
public:
    // `pixels` must outlive this reader and be usable (RegionTracer checks);
    // so must `smoothed`, when given: the same converted pixels smoothed
    // already, as a TraceCanvas keeps them.
    explicit LabPixels(const TracePixels& pixels, const TracePixels* smoothed = nullptr)
        : m_pixels(pixels), m_smoothed(smoothed)
    {
    }

    // The pixels of `area`, which lies within the picture. Converted pixels
    // are given where they lie: the result is only to be read.
    cv::Mat Window(const cv::Rect& area) const;
    // The same smoothed, each from the picture's own pixels around it (those
    // beyond the picture's edge reflected), whatever the area.
    cv::Mat Smoothed(const cv::Rect& area) const;
    // The whole picture smoothed, as Smoothed gives it: for a canvas to keep.
    static cv::Mat Smoothing(const cv::Mat& laba);
    // The pixels at `points`, each within the picture.
    std::vector<cv::Vec4b> At(const std::vector<cv::Point>& points) const;
    cv::Rect Bounds() const { return {0, 0, m_pixels.width, m_pixels.height}; }

private:
    int SourceType() const;
    const std::uint8_t* Address(int x, int y) const;
    cv::Mat Converted(const cv::Mat& source) const;

    const TracePixels& m_pixels;
    const TracePixels* m_smoothed;
};
