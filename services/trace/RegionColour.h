#pragma once
// The colour of the region a click means, found among the pixels around the
// point rather than in the one pixel under it: a click on a label, a border
// line or a speck of noise means the region they lie on, whose colour most of
// the pixels nearby share. A click on something solid of its own colour (a
// lake, a room, a logo) means that thing. Inside the tracer only.

#include "services/trace/LabPixels.h"

#include <opencv2/core.hpp>

#include <vector>

class RegionColour
{
public:
    // A region to try: its colour, and a pixel of that colour to grow it from.
    struct Choice {
        cv::Vec4b colour;
        cv::Point start;
    };

    // The regions a click at `seed` may mean, the likeliest first. Every one
    // but the last needs the region found to hold the seed (RegionMask::Holds);
    // the last is the seed's own colour from the seed, which always does.
    static std::vector<Choice> Around(const LabPixels& pixels, cv::Point seed, double tolerance);

private:
    RegionColour(const cv::Mat& window, cv::Point seed, double tolerance);

    cv::Vec4b MostShared() const;
    cv::Vec4b MeanNear(const cv::Vec4b& colour) const;
    bool SeedIsSolid() const;
    bool StartNearSeed(const cv::Vec4b& colour, cv::Point& start) const;
    bool Within(const cv::Vec4b& a, const cv::Vec4b& b) const;

    cv::Mat m_window; // CV_8UC4, L*a*b* with opacity
    cv::Point m_seed; // in the window
    double m_tolerance;
};
