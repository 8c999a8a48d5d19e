#pragma once
// How far apart two colours of the tracer's pictures lie: CIE 1976 Delta E
// (the Euclidean distance in L*a*b*) with opacity as a fourth coordinate, a
// step from see-through to opaque weighing as much as one from black to
// white. A colour drawn over the background is then still set apart from the
// see-through background itself: an edge of opacity is an edge. Colours are
// 8-bit L*a*b* as OpenCV stores them (L * 255 / 100, a + 128, b + 128) with
// the opacity (0 see-through, 255 opaque) in a fourth byte. Inside the
// tracer only.

#include <opencv2/core.hpp>

#include <array>
#include <cstdint>

class ColourDistance
{
public:
    // The square of the distance, in Delta E units.
    static float Squared(const cv::Vec4b& a, const cv::Vec4b& b);
    // 255 where a pixel of `laba` (CV_8UC4) lies within `tolerance` of
    // `reference`, else 0.
    static cv::Mat Within(const cv::Mat& laba, const cv::Vec4b& reference, double tolerance);
    // 255 where a pixel of `laba` and the same pixel of `other` (of the same
    // size) both lie within `tolerance` of `reference`, else 0.
    static cv::Mat BothWithin(const cv::Mat& laba, const cv::Mat& other, const cv::Vec4b& reference, double tolerance);

private:
    static constexpr int kChannelValues = 256;
    // Squared steps of two 8-bit channel values, in Delta E units, by their
    // difference + 255: lightness and opacity step 100 / 255, a* and b* 1.
    struct Steps {
        std::array<float, 2 * kChannelValues - 1> lightness;
        std::array<float, 2 * kChannelValues - 1> chroma;
        Steps();
    };
    static const Steps& Table();
};
