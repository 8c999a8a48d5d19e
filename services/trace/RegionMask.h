#pragma once
// The pixels of one traced region, as a mask over its bounding box: finding
// them around a pixel of a picture, smoothing them, and the corners of their
// outer outline. Inside the tracer only.

#include "services/trace/LabPixels.h"

#include <opencv2/core.hpp>

#include <cstdint>
#include <vector>

class RegionMask
{
public:
    // The region around `start` (a pixel of the picture within `tolerance`
    // of `colour`): the 4-connected pixels whose own colour, and whose colour
    // smoothed with their neighbours', lie within `tolerance` (Delta E,
    // opacity counted) of `colour`, grown back by the pixels along its edge
    // whose own colour does or that a softened edge left beyond it, with
    // spurs and necks narrower than `thinnest` pixels taken off unless that
    // leaves the start outside.
    static RegionMask Find(const LabPixels& pixels, cv::Point start, const cv::Vec4b& colour, double tolerance,
                           int thinnest);

    // The corners of the pixels along the outer outline, in order: a closed
    // lattice path in picture coordinates that encloses every pixel of the
    // region and its holes, and touches itself nowhere.
    std::vector<cv::Point> OuterCorners() const;
    // The pixels the outer outline encloses: the region and its holes.
    std::int64_t EnclosedPixels() const;
    // Whether pixel `p` of the picture lies inside the outer outline or
    // beside the region (a side or a corner away).
    bool Holds(cv::Point p) const;

    const cv::Mat& Mask() const { return m_mask; }
    cv::Point Origin() const { return m_origin; }

private:
    static cv::Mat Within(const LabPixels& pixels, const cv::Rect& window, const cv::Vec4b& colour, double tolerance,
                          bool smoothedToo);
    static cv::Mat Extended(const LabPixels& pixels, const cv::Mat& within, const cv::Rect& from, const cv::Rect& to,
                            const cv::Vec4b& colour, double tolerance, bool smoothedToo);
    void Regrow(const LabPixels& pixels, const cv::Vec4b& colour, double tolerance);
    cv::Mat Padded(cv::Size picture) const;
    void FillNotches(cv::Size picture);
    void Smooth(cv::Point start, cv::Size picture, int thinnest);
    void Enclose();

    cv::Mat m_mask;     // CV_8U: 255 in the region, 0 elsewhere
    cv::Mat m_enclosed; // CV_8U over the same box: 255 inside the outer outline
    cv::Point m_origin; // the masks' top-left pixel in the picture
};
