#pragma once
// The pixels of one traced region, as a mask over its bounding box: finding
// them around a point of a picture, smoothing them, and the corners of their
// outer outline. Inside the tracer only.

#include "services/trace/RegionTracer.h"

#include <opencv2/core.hpp>

#include <cstdint>
#include <vector>

class RegionMask
{
public:
    // The region around `seed` (a pixel of the picture): the 4-connected
    // pixels whose smoothed colour lies within `tolerance` (Delta E) of the
    // seed's, grown back by the pixels along its edge whose own colour does,
    // with spurs and necks narrower than a few pixels taken off unless that
    // leaves the seed outside.
    static RegionMask Find(const TracePixels& pixels, cv::Point seed, double tolerance);

    // The corners of the pixels along the outer outline, in order: a closed
    // lattice path in picture coordinates that encloses every pixel of the
    // region and its holes, and touches itself nowhere.
    std::vector<cv::Point> OuterCorners() const;
    // The pixels the outer outline encloses: the region and its holes.
    std::int64_t EnclosedPixels() const;

    const cv::Mat& Mask() const { return m_mask; }
    cv::Point Origin() const { return m_origin; }

private:
    void Regrow(const TracePixels& pixels, const cv::Vec3b& seedColour, double tolerance);
    void Smooth(cv::Point seed, cv::Size picture);

    cv::Mat m_mask;     // CV_8U: 255 in the region, 0 elsewhere
    cv::Point m_origin; // the mask's top-left pixel in the picture
};
