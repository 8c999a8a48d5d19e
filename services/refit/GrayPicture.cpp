#include "services/refit/GrayPicture.h"

#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <cmath>

namespace
{

// Rows one by one, so that a bitmap stored bottom-up needs no copy of its own.
cv::Mat GrayOf(const PixelView& pixels)
{
    cv::Mat gray(pixels.height, pixels.width, CV_8U);
    const int type = pixels.bytesPerPixel == 4 ? CV_8UC4 : CV_8UC3;
    const int code = pixels.bytesPerPixel == 4 ? cv::COLOR_BGRA2GRAY : cv::COLOR_BGR2GRAY;
    const std::ptrdiff_t stride = pixels.stride;
    if (stride > 0) {
        // Rows in order: one conversion of the whole picture.
        const cv::Mat all(pixels.height, pixels.width, type, const_cast<std::uint8_t*>(pixels.top),
                          static_cast<std::size_t>(stride));
        cv::cvtColor(all, gray, code);
        return gray;
    }
    for (int y = 0; y < pixels.height; ++y) {
        const cv::Mat row(1, pixels.width, type, const_cast<std::uint8_t*>(pixels.top + y * stride));
        cv::Mat target = gray.row(y);
        cv::cvtColor(row, target, code);
    }
    return gray;
}

} // namespace

GrayPicture::GrayPicture(const PixelView& pixels) : m_gray(GrayOf(pixels)) {}

ScaledGray GrayPicture::Scaled(double fx, double fy) const
{
    const cv::Size size(std::max(1, static_cast<int>(std::lround(m_gray.cols * fx))),
                        std::max(1, static_cast<int>(std::lround(m_gray.rows * fy))));
    ScaledGray scaled;
    // The factors the rounded size really gives, so that the copy's edges are
    // the picture's edges.
    const double sx = double(size.width) / m_gray.cols, sy = double(size.height) / m_gray.rows;
    scaled.fromPicture = PictureTransform::ScaleShift(sx, sy);
    if (size == m_gray.size())
        scaled.gray = m_gray;
    else
        cv::resize(m_gray, scaled.gray, size, 0, 0, sx < 1 && sy < 1 ? cv::INTER_AREA : cv::INTER_LINEAR);
    return scaled;
}

ScaledGray GrayPicture::WithLongerSide(int side, double mostEnlarging) const
{
    const double factor = std::min(double(side) / std::max(m_gray.cols, m_gray.rows), mostEnlarging);
    return Scaled(factor, factor);
}
