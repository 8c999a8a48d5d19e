#include "services/refit/SceneCompare.h"

#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <cmath>

namespace
{

// The longer side of the copies compared: enough for the shapes of a scene,
// too little for noise and the last pixel of a transform.
constexpr int kThumbnailSide = 128;
const cv::Size kSmoothing(3, 3);
constexpr double kLeastOverlap = 0.2;
// Overlaps flatter than this (standard deviation) are compared by their grey.
constexpr double kFlat = 2.0;
constexpr double kCloseGreys = 10.0;
constexpr double kNoAgreement = -1.0;

cv::Mat AffineOf(const PictureTransform& t)
{
    return (cv::Mat_<double>(2, 3) << t.A(), t.B(), t.C(), t.D(), t.E(), t.F());
}

// The transform in pixel indices, as OpenCV's warps take it.
PictureTransform OnIndices(const PictureTransform& t)
{
    return PictureTransform::ScaleShift(1, 1, -0.5, -0.5).After(t).After(PictureTransform::ScaleShift(1, 1, 0.5, 0.5));
}

} // namespace

double SceneCompare::Agreement(const PictureTransform& oldToNew) const
{
    const cv::Mat& newer = m_newer.gray;
    const double factor = double(kThumbnailSide) / std::max(newer.cols, newer.rows);
    const cv::Size size(std::max(1, int(std::lround(newer.cols * factor))),
                        std::max(1, int(std::lround(newer.rows * factor))));
    const PictureTransform toThumb =
        PictureTransform::ScaleShift(double(size.width) / newer.cols, double(size.height) / newer.rows);
    cv::Mat shown, laid, mask;
    cv::resize(newer, shown, size, 0, 0, cv::INTER_AREA);
    // From the old copy's pixels to the thumbnail's.
    const PictureTransform place =
        toThumb.After(m_newer.fromPicture).After(oldToNew).After(*m_older.fromPicture.Inverse());
    // The old copy is averaged down first when it is much finer, so that the
    // warp does not pick single pixels out of it.
    const double shrink = std::sqrt(std::abs(place.Determinant()));
    cv::Mat older = m_older.gray;
    PictureTransform fromOlder = place;
    if (shrink < 0.5) {
        cv::resize(m_older.gray, older, cv::Size(), shrink * 2, shrink * 2, cv::INTER_AREA);
        fromOlder = place.After(PictureTransform::ScaleShift(double(m_older.gray.cols) / older.cols,
                                                             double(m_older.gray.rows) / older.rows));
    }
    cv::warpAffine(older, laid, AffineOf(OnIndices(fromOlder)), size, cv::INTER_LINEAR, cv::BORDER_CONSTANT);
    cv::warpAffine(cv::Mat(older.size(), CV_8U, cv::Scalar(255)), mask, AffineOf(OnIndices(fromOlder)), size,
                   cv::INTER_NEAREST, cv::BORDER_CONSTANT);
    cv::erode(mask, mask, cv::Mat(), cv::Point(-1, -1), 2); // clear of the smoothing's reach
    if (cv::countNonZero(mask) < kLeastOverlap * size.area())
        return kNoAgreement;
    cv::GaussianBlur(shown, shown, kSmoothing, 0);
    cv::GaussianBlur(laid, laid, kSmoothing, 0);
    cv::Scalar shownMean, shownDeviation, laidMean, laidDeviation;
    cv::meanStdDev(shown, shownMean, shownDeviation, mask);
    cv::meanStdDev(laid, laidMean, laidDeviation, mask);
    if (shownDeviation[0] < kFlat || laidDeviation[0] < kFlat) {
        const bool same =
            shownDeviation[0] < kFlat && laidDeviation[0] < kFlat && std::abs(shownMean[0] - laidMean[0]) < kCloseGreys;
        return same ? 1.0 : 0.0;
    }
    cv::Mat a, b;
    shown.convertTo(a, CV_64F, 1, -shownMean[0]);
    laid.convertTo(b, CV_64F, 1, -laidMean[0]);
    const cv::Mat ab = a.mul(b);
    const double covariance = cv::mean(ab, mask)[0];
    return covariance / (shownDeviation[0] * laidDeviation[0]);
}
