#pragma once
// A picture's pixels as the tracer compares them: 8-bit L*a*b* with the
// opacity in a fourth channel (CV_8UC4; see ColourDistance), read from the
// rows where they lie, a window at a time or a few pixels. A bitmap stored
// bottom-up needs no copy of its own. Inside the tracer only.

#include "services/trace/RegionTracer.h"

#include <opencv2/core.hpp>

#include <vector>

class LabPixels
{
public:
    // `pixels` must outlive this reader and be usable (RegionTracer checks).
    explicit LabPixels(const TracePixels& pixels) : m_pixels(pixels) {}

    // The pixels of `area`, which lies within the picture.
    cv::Mat Window(const cv::Rect& area) const;
    // The pixels at `points`, each within the picture.
    std::vector<cv::Vec4b> At(const std::vector<cv::Point>& points) const;
    cv::Rect Bounds() const { return {0, 0, m_pixels.width, m_pixels.height}; }

private:
    int SourceType() const;
    const std::uint8_t* Address(int x, int y) const;
    cv::Mat Converted(const cv::Mat& source) const;

    const TracePixels& m_pixels;
};
