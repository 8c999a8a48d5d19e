#include "services/trace/LabPixels.h"

#include <opencv2/imgproc.hpp>

#include <cstring>

namespace
{

// The opacity channel among the channels of a converted colour and its
// source pixel, as cv::mixChannels counts them: L*, a*, b*, then blue,
// green, red, opacity.
const int kLabWithOpacity[] = {0, 0, 1, 1, 2, 2, 6, 3};
// The smoothing: a Gaussian of 5 x 5 pixels, which reads this many pixels
// beyond an area.
const cv::Size kBlurSize(5, 5);
constexpr double kBlurSigma = 1.0;
constexpr int kBlurReach = 2;

cv::Rect Grown(const cv::Rect& r, int by)
{
    return {r.x - by, r.y - by, r.width + 2 * by, r.height + 2 * by};
}

// A view of converted pixels where they lie.
cv::Mat ViewOf(const TracePixels& pixels, const cv::Rect& area)
{
    auto* top = const_cast<std::uint8_t*>(pixels.top + static_cast<std::ptrdiff_t>(area.y) * pixels.stride +
                                          static_cast<std::ptrdiff_t>(area.x) * pixels.bytesPerPixel);
    return cv::Mat(area.size(), CV_8UC4, top, static_cast<std::size_t>(pixels.stride));
}

} // namespace

int LabPixels::SourceType() const
{
    return m_pixels.bytesPerPixel == 4 ? CV_8UC4 : CV_8UC3;
}

const std::uint8_t* LabPixels::Address(int x, int y) const
{
    return m_pixels.top + static_cast<std::ptrdiff_t>(y) * m_pixels.stride +
           static_cast<std::ptrdiff_t>(x) * m_pixels.bytesPerPixel;
}

// Rows of the picture's own bytes to L*a*b* with opacity: an opaque
// picture's colours are converted and given full opacity; one with opacity
// keeps it beside its converted colours; an already converted one is as it is.
cv::Mat LabPixels::Converted(const cv::Mat& source) const
{
    if (m_pixels.bytes == PixelBytes::Laba)
        return source;
    cv::Mat bgr, lab, laba;
    if (source.channels() == 4)
        cv::cvtColor(source, bgr, cv::COLOR_BGRA2BGR);
    else
        bgr = source;
    cv::cvtColor(bgr, lab, cv::COLOR_BGR2Lab);
    if (m_pixels.bytes == PixelBytes::Bgra) {
        laba.create(source.size(), CV_8UC4);
        const cv::Mat from[] = {lab, source};
        cv::mixChannels(from, 2, &laba, 1, kLabWithOpacity, 4);
    } else {
        // The colours taken for blue, green and red: the fourth channel is 255.
        cv::cvtColor(lab, laba, cv::COLOR_BGR2BGRA);
    }
    return laba;
}

cv::Mat LabPixels::Window(const cv::Rect& area) const
{
    if (m_pixels.bytes == PixelBytes::Laba && m_pixels.stride > 0)
        return ViewOf(m_pixels, area);
    cv::Mat source(area.size(), SourceType());
    const std::size_t rowBytes = static_cast<std::size_t>(area.width) * m_pixels.bytesPerPixel;
    for (int y = 0; y < area.height; ++y)
        std::memcpy(source.ptr(y), Address(area.x, area.y + y), rowBytes);
    return Converted(source);
}

std::vector<cv::Vec4b> LabPixels::At(const std::vector<cv::Point>& points) const
{
    if (points.empty())
        return {};
    cv::Mat source(1, static_cast<int>(points.size()), SourceType());
    for (std::size_t i = 0; i < points.size(); ++i)
        std::memcpy(source.ptr(0, static_cast<int>(i)), Address(points[i].x, points[i].y), m_pixels.bytesPerPixel);
    const cv::Mat laba = Converted(source);
    return std::vector<cv::Vec4b>(laba.begin<cv::Vec4b>(), laba.end<cv::Vec4b>());
}

cv::Mat LabPixels::Smoothing(const cv::Mat& laba)
{
    cv::Mat smoothed;
    cv::GaussianBlur(laba, smoothed, kBlurSize, kBlurSigma, kBlurSigma, cv::BORDER_REFLECT_101);
    return smoothed;
}

cv::Mat LabPixels::Smoothed(const cv::Rect& area) const
{
    if (m_smoothed)
        return ViewOf(*m_smoothed, area);
    const cv::Rect read = Grown(area, kBlurReach) & Bounds();
    return Smoothing(Window(read))(area - read.tl());
}
