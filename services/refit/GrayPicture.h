#pragma once
// A picture in shades of grey, whole or scaled, for the refit's matching.
// Inside the refit only.

#include "services/refit/PictureTransform.h"
#include "services/types/PixelView.h"

#include <opencv2/core.hpp>

// A scaled copy and the transform from the picture's coordinates to its own.
struct ScaledGray {
    cv::Mat gray; // CV_8U
    PictureTransform fromPicture;
};

class GrayPicture
{
public:
    // The picture's pixels, top row first, as CV_8U.
    explicit GrayPicture(const PixelView& pixels);

    const cv::Mat& Full() const { return m_gray; }
    int Width() const { return m_gray.cols; }
    int Height() const { return m_gray.rows; }

    // Scaled by fx across and fy down, averaging the pixels it takes together
    // when it shrinks; the copy is at least one pixel each way.
    ScaledGray Scaled(double fx, double fy) const;
    // Scaled the same way along both axes so that its longer side is `side`
    // pixels, but never more than `mostEnlarging` times its own size.
    ScaledGray WithLongerSide(int side, double mostEnlarging) const;

private:
    cv::Mat m_gray;
};
