#include "services/refit/FeatureMatch.h"

#include <opencv2/calib3d.hpp>
#include <opencv2/features2d.hpp>

namespace
{

// ORB: corners found at eight scales 1.2 apart, each described by 256
// brightness comparisons around it, turned with the corner.
constexpr int kMostFeatures = 2500;
constexpr float kScaleStep = 1.2f;
constexpr int kScales = 8;
constexpr int kBorder = 31;
constexpr int kPatch = 31;
// Lower than the usual 20, so that soft pictures (a photograph, a JPEG)
// still give corners.
constexpr int kCornerThreshold = 12;
// A match counts when its distance is below this share of the next best's.
constexpr float kRatio = 0.8f;
// Fewer matched features than this leave RANSAC nothing to choose among.
constexpr int kFewestMatches = 6;
// RANSAC: a match agrees when the transform carries it to within this many
// pixels of the scaled copies.
constexpr double kAgreementDistance = 3.0;
constexpr std::size_t kMostIterations = 4000;
constexpr double kConfidence = 0.995;
constexpr std::size_t kRefinements = 10;

struct Features {
    std::vector<cv::KeyPoint> points;
    cv::Mat descriptors;
};

Features Detect(const cv::Mat& gray)
{
    const cv::Ptr<cv::ORB> orb = cv::ORB::create(kMostFeatures, kScaleStep, kScales, kBorder, 0, 2,
                                                 cv::ORB::HARRIS_SCORE, kPatch, kCornerThreshold);
    Features f;
    orb->detectAndCompute(gray, cv::noArray(), f.points, f.descriptors);
    return f;
}

// A keypoint's place in the copy's coordinates: OpenCV puts pixel centres on
// whole numbers, the pictures put pixel corners there.
cv::Point2f CornerBased(const cv::KeyPoint& k)
{
    return {k.pt.x + 0.5f, k.pt.y + 0.5f};
}

PlanePoint InPicture(const cv::Point2f& p, const PictureTransform& toPicture)
{
    return toPicture.Apply({p.x, p.y});
}

} // namespace

FeatureMatch FeatureMatch::Between(const ScaledGray& oldCopy, const ScaledGray& newCopy)
{
    FeatureMatch result;
    const Features older = Detect(oldCopy.gray), newer = Detect(newCopy.gray);
    result.m_oldFeatures = static_cast<int>(older.points.size());
    result.m_newFeatures = static_cast<int>(newer.points.size());
    if (older.descriptors.empty() || newer.descriptors.rows < 2)
        return result;
    std::vector<std::vector<cv::DMatch>> candidates;
    cv::BFMatcher(cv::NORM_HAMMING).knnMatch(older.descriptors, newer.descriptors, candidates, 2);
    std::vector<cv::Point2f> from, to;
    for (const auto& pair : candidates) {
        if (pair.size() == 2 && pair[0].distance < kRatio * pair[1].distance) {
            from.push_back(CornerBased(older.points[pair[0].queryIdx]));
            to.push_back(CornerBased(newer.points[pair[0].trainIdx]));
        }
    }
    result.m_matched = static_cast<int>(from.size());
    const PictureTransform oldBack = *oldCopy.fromPicture.Inverse(), newBack = *newCopy.fromPicture.Inverse();
    for (std::size_t i = 0; i < from.size(); ++i) {
        result.m_matchedOld.push_back(InPicture(from[i], oldBack));
        result.m_matchedNew.push_back(InPicture(to[i], newBack));
    }
    if (result.m_matched < kFewestMatches)
        return result;
    std::vector<std::uint8_t> agrees;
    const cv::Mat m = cv::estimateAffine2D(from, to, agrees, cv::RANSAC, kAgreementDistance, kMostIterations,
                                           kConfidence, kRefinements);
    if (m.empty())
        return result;
    const PictureTransform inCopies(m.at<double>(0, 0), m.at<double>(0, 1), m.at<double>(0, 2), m.at<double>(1, 0),
                                    m.at<double>(1, 1), m.at<double>(1, 2));
    result.m_transform = newBack.After(inCopies).After(oldCopy.fromPicture);
    for (std::size_t i = 0; i < agrees.size(); ++i) {
        if (agrees[i]) {
            result.m_agreeingOld.push_back(result.m_matchedOld[i]);
            result.m_agreeingNew.push_back(result.m_matchedNew[i]);
        }
    }
    return result;
}
