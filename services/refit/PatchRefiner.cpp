#include "services/refit/PatchRefiner.h"

#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <cmath>

namespace
{

// A patch of 21 x 21 pixels: large enough to hold a corner and its
// surroundings, small enough that a small turn or stretch the transform got
// wrong shifts its edges by little.
constexpr int kHalf = 10;
constexpr int kSide = 2 * kHalf + 1;
// A patch flatter than this (standard deviation of its grey) has no place.
constexpr double kLeastContrast = 4.0;
// The fit (normalised correlation) a patch needs at its best place.
constexpr double kLeastCorrelation = 0.7;
// Pictures more than this apart in scale are brought to one scale first.
constexpr double kLargestScaleGap = 1.25;
constexpr int kMostPatches = 300;
constexpr int kGridCells = 12; // per side: the patches are taken evenly from the picture
constexpr int kFewestPatches = 6;
// The second look, from the transform the first one gave, slides the
// patches this far.
constexpr int kSecondReach = 2;
constexpr int kLongestReach = 24;
// Patches stray when farther from the fitted transform than this many times
// the median distance, or than the distance below.
constexpr double kStrayFactor = 3.0;
constexpr double kLeastStray = 0.35;
constexpr int kTrims = 2;

cv::Mat AffineOf(const PictureTransform& t)
{
    return (cv::Mat_<double>(2, 3) << t.A(), t.B(), t.C(), t.D(), t.E(), t.F());
}

// The two pictures brought to about one scale, and the way back.
struct CommonScale {
    ScaledGray older;
    ScaledGray newer;
};

CommonScale BringTogether(const GrayPicture& older, const GrayPicture& newer, const PictureTransform& t)
{
    const double scale = std::sqrt(std::abs(t.Determinant()));
    if (scale < 1 / kLargestScaleGap)
        return {older.Scaled(t.ScaleX(), t.ScaleY()), newer.Scaled(1, 1)};
    if (scale > kLargestScaleGap)
        return {older.Scaled(1, 1), newer.Scaled(1 / t.ScaleX(), 1 / t.ScaleY())};
    return {older.Scaled(1, 1), newer.Scaled(1, 1)};
}

// Where between pixels the peak of three values lies, from -0.5 to 0.5.
double PeakBetween(float before, float at, float after)
{
    const double curve = before - 2.0 * at + after;
    return curve < 0 ? std::clamp((before - after) / (2 * curve), -0.5, 0.5) : 0.0;
}

bool Inside(const cv::Mat& picture, PlanePoint p, double margin)
{
    return p.x >= margin && p.y >= margin && p.x <= picture.cols - margin && p.y <= picture.rows - margin;
}

// The old picture around the place the transform takes to the middle of new
// pixel `centre`, as the new picture would show it.
std::optional<cv::Mat> PatchFor(const cv::Mat& older, const PictureTransform& back, cv::Point centre)
{
    const PictureTransform toOldIndex =
        PictureTransform::ScaleShift(1, 1, -0.5, -0.5)
            .After(back)
            .After(PictureTransform::ScaleShift(1, 1, centre.x - kHalf + 0.5, centre.y - kHalf + 0.5));
    for (PlanePoint corner : {PlanePoint{0, 0}, PlanePoint{kSide, 0}, PlanePoint{0, kSide}, PlanePoint{kSide, kSide}}) {
        if (!Inside(older, toOldIndex.Apply(corner), 1))
            return std::nullopt;
    }
    cv::Mat patch;
    cv::warpAffine(older, patch, AffineOf(toOldIndex), cv::Size(kSide, kSide), cv::INTER_LINEAR | cv::WARP_INVERSE_MAP,
                   cv::BORDER_REPLICATE);
    cv::Scalar mean, deviation;
    cv::meanStdDev(patch, mean, deviation);
    if (deviation[0] < kLeastContrast)
        return std::nullopt;
    return patch;
}

// One patch slid about its expected place: the pair of where it came from
// and where it fits best, or nothing.
std::optional<ReferencePair> PlacePatch(const cv::Mat& older, const cv::Mat& newer, const PictureTransform& t,
                                        const PictureTransform& back, PlanePoint oldPoint, int reach)
{
    const PlanePoint expected = t.Apply(oldPoint);
    if (!std::isfinite(expected.x) || !std::isfinite(expected.y))
        return std::nullopt;
    const cv::Point centre(static_cast<int>(std::floor(expected.x)), static_cast<int>(std::floor(expected.y)));
    const cv::Rect search(centre.x - kHalf - reach, centre.y - kHalf - reach, kSide + 2 * reach, kSide + 2 * reach);
    if ((search & cv::Rect(0, 0, newer.cols, newer.rows)) != search)
        return std::nullopt;
    const std::optional<cv::Mat> patch = PatchFor(older, back, centre);
    if (!patch)
        return std::nullopt;
    cv::Mat fit;
    cv::matchTemplate(newer(search), *patch, fit, cv::TM_CCOEFF_NORMED);
    double best = 0;
    cv::Point at;
    cv::minMaxLoc(fit, nullptr, &best, nullptr, &at);
    // A best place on the search's edge may lie beyond it.
    if (best < kLeastCorrelation || at.x == 0 || at.y == 0 || at.x == fit.cols - 1 || at.y == fit.rows - 1)
        return std::nullopt;
    const double dx =
        PeakBetween(fit.at<float>(at.y, at.x - 1), fit.at<float>(at.y, at.x), fit.at<float>(at.y, at.x + 1));
    const double dy =
        PeakBetween(fit.at<float>(at.y - 1, at.x), fit.at<float>(at.y, at.x), fit.at<float>(at.y + 1, at.x));
    const PlanePoint middle{centre.x + 0.5, centre.y + 0.5};
    return ReferencePair{back.Apply(middle), {middle.x + at.x - reach + dx, middle.y + at.y - reach + dy}};
}

// The points spread over the picture: one from each cell of a grid in turn.
std::vector<PlanePoint> Spread(const std::vector<PlanePoint>& points, double width, double height)
{
    std::vector<std::vector<PlanePoint>> cells(kGridCells * kGridCells);
    for (const PlanePoint& p : points) {
        const int cx = std::clamp(static_cast<int>(p.x / width * kGridCells), 0, kGridCells - 1);
        const int cy = std::clamp(static_cast<int>(p.y / height * kGridCells), 0, kGridCells - 1);
        cells[cy * kGridCells + cx].push_back(p);
    }
    std::vector<PlanePoint> spread;
    for (std::size_t round = 0; spread.size() < std::min<std::size_t>(points.size(), kMostPatches); ++round) {
        for (const auto& cell : cells) {
            if (round < cell.size() && spread.size() < kMostPatches)
                spread.push_back(cell[round]);
        }
    }
    return spread;
}

std::optional<PictureTransform> LeastSquares(const std::vector<ReferencePair>& pairs)
{
    if (static_cast<int>(pairs.size()) < kFewestPatches)
        return std::nullopt;
    cv::Mat from(static_cast<int>(pairs.size()), 3, CV_64F), to(static_cast<int>(pairs.size()), 2, CV_64F);
    for (int i = 0; i < from.rows; ++i) {
        from.at<double>(i, 0) = pairs[i].oldPoint.x;
        from.at<double>(i, 1) = pairs[i].oldPoint.y;
        from.at<double>(i, 2) = 1;
        to.at<double>(i, 0) = pairs[i].newPoint.x;
        to.at<double>(i, 1) = pairs[i].newPoint.y;
    }
    cv::Mat x;
    if (!cv::solve(from, to, x, cv::DECOMP_SVD))
        return std::nullopt;
    const PictureTransform t(x.at<double>(0, 0), x.at<double>(1, 0), x.at<double>(2, 0), x.at<double>(0, 1),
                             x.at<double>(1, 1), x.at<double>(2, 1));
    return t.Finite() ? std::optional(t) : std::nullopt;
}

double Distance(const PictureTransform& t, const ReferencePair& pair)
{
    const PlanePoint p = t.Apply(pair.oldPoint);
    return std::hypot(p.x - pair.newPoint.x, p.y - pair.newPoint.y);
}

// The least-squares transform, fitted again without the pairs that stray.
std::optional<RefinedTransform> FitTrimmed(std::vector<ReferencePair> pairs)
{
    std::optional<PictureTransform> t = LeastSquares(pairs);
    for (int trim = 0; t && trim < kTrims; ++trim) {
        std::vector<double> distances;
        for (const ReferencePair& pair : pairs)
            distances.push_back(Distance(*t, pair));
        std::vector<double> sorted = distances;
        std::nth_element(sorted.begin(), sorted.begin() + sorted.size() / 2, sorted.end());
        const double limit = std::max(kStrayFactor * sorted[sorted.size() / 2], kLeastStray);
        std::vector<ReferencePair> kept;
        for (std::size_t i = 0; i < pairs.size(); ++i) {
            if (distances[i] <= limit)
                kept.push_back(pairs[i]);
        }
        if (kept.size() == pairs.size())
            break;
        pairs = std::move(kept);
        t = LeastSquares(pairs);
    }
    if (!t)
        return std::nullopt;
    double squares = 0;
    for (const ReferencePair& pair : pairs)
        squares += Distance(*t, pair) * Distance(*t, pair);
    const double residual = std::sqrt(squares / pairs.size());
    return RefinedTransform{*t, static_cast<int>(pairs.size()), residual, std::move(pairs)};
}

std::optional<RefinedTransform> OneLook(const CommonScale& copies, const PictureTransform& t,
                                        const std::vector<PlanePoint>& oldPoints, int reach)
{
    const std::optional<PictureTransform> back = t.Inverse();
    if (!back)
        return std::nullopt;
    std::vector<ReferencePair> pairs;
    for (const PlanePoint& p : oldPoints) {
        if (auto pair = PlacePatch(copies.older.gray, copies.newer.gray, t, *back, p, reach))
            pairs.push_back(*pair);
    }
    return FitTrimmed(std::move(pairs));
}

} // namespace

std::optional<RefinedTransform> PatchRefiner::Refine(const PictureTransform& coarse,
                                                     const std::vector<PlanePoint>& oldPoints, double coarseError) const
{
    const CommonScale copies = BringTogether(m_older, m_newer, coarse);
    const PictureTransform& oldIn = copies.older.fromPicture;
    const PictureTransform& newIn = copies.newer.fromPicture;
    const PictureTransform newOut = *newIn.Inverse();
    // The coarse transform between the copies, and the points in the old copy.
    PictureTransform t = newIn.After(coarse).After(*oldIn.Inverse());
    std::vector<PlanePoint> points;
    for (const PlanePoint& p : Spread(oldPoints, m_older.Width(), m_older.Height()))
        points.push_back(oldIn.Apply(p));
    const double newScale = newIn.MeanScale();
    const int firstReach =
        std::clamp(static_cast<int>(std::ceil(coarseError * newScale)) + 1, kSecondReach, kLongestReach);
    std::optional<RefinedTransform> refined = OneLook(copies, t, points, firstReach);
    if (!refined)
        return std::nullopt;
    if (auto second = OneLook(copies, refined->transform, points, kSecondReach))
        refined = second;
    refined->transform = newOut.After(refined->transform).After(oldIn);
    refined->residual /= newScale;
    const PictureTransform oldOut = *oldIn.Inverse();
    for (ReferencePair& pair : refined->pairs)
        pair = {oldOut.Apply(pair.oldPoint), newOut.Apply(pair.newPoint)};
    return refined;
}
