#include "services/refit/TransformFinder.h"

#include "services/refit/FeatureMatch.h"
#include "services/refit/GrayPicture.h"
#include "services/refit/PatchRefiner.h"
#include "services/refit/SceneCompare.h"

#include <algorithm>
#include <cmath>
#include <new>

namespace
{

// Features are found in copies whose longer side is this long: enough for a
// scene's detail, few enough pixels to be quick on a large picture.
constexpr int kWorkingSide = 1024;
constexpr double kMostEnlarging = 2;
// Matches that agree with one transform before it is believed.
constexpr int kFewestAgreeing = 12;
// Fewer features than this in either picture is a picture too plain to match.
constexpr int kFewestFeatures = 50;
// How far, in the copies' pixels, RANSAC lets an agreeing match be.
constexpr double kAgreementDistance = 3.0;
// The small copies' correlation a transform from features needs, and the one
// the ratio of the sizes needs on its own.
constexpr double kSameSceneByFeatures = 0.6;
constexpr double kSameSceneBySize = 0.9;
// A simpler transform (the ratio of the sizes, a whole-pixel shift) is taken
// when it fits the points the transform was found from about as well: by no
// more than this many new pixels, root mean square, worse.
constexpr double kSnapSlack = 0.2;

RefitResult Failed(RefitFailure failure, const FeatureMatch* match = nullptr)
{
    RefitResult result;
    result.failure = failure;
    if (match) {
        result.matched = match->Matched();
        result.agreeing = match->Agreeing();
    }
    return result;
}

bool Convincing(const FeatureMatch& match)
{
    return match.Transform() && match.Agreeing() >= kFewestAgreeing;
}

PictureTransform SizeRatio(const GrayPicture& older, const GrayPicture& newer)
{
    return PictureTransform::ScaleShift(double(newer.Width()) / older.Width(), double(newer.Height()) / older.Height());
}

double RootMeanSquare(const PictureTransform& t, const std::vector<ReferencePair>& pairs)
{
    double squares = 0;
    for (const ReferencePair& pair : pairs) {
        const PlanePoint p = t.Apply(pair.oldPoint);
        squares +=
            (p.x - pair.newPoint.x) * (p.x - pair.newPoint.x) + (p.y - pair.newPoint.y) * (p.y - pair.newPoint.y);
    }
    return pairs.empty() ? 0 : std::sqrt(squares / pairs.size());
}

// A resize, or a crop or pad by whole pixels, comes out as exactly that when
// the points fit it: a transform fitted to points that lie close together
// can tilt beyond them by more than their own misfit.
PictureTransform Snapped(const PictureTransform& t, const std::vector<ReferencePair>& pairs, double residual,
                         const GrayPicture& older, const GrayPicture& newer)
{
    const PlanePoint shift = t.Shift();
    for (const PictureTransform& simpler :
         {SizeRatio(older, newer), PictureTransform::ScaleShift(1, 1, std::round(shift.x), std::round(shift.y))}) {
        if (RootMeanSquare(simpler, pairs) <= residual + kSnapSlack)
            return simpler;
    }
    return t;
}

// The matches `t` carries to within the agreement distance (in new pixels),
// and their root mean square distance.
void Agreement(const FeatureMatch& match, const PictureTransform& t, double distance, RefitResult& result)
{
    double squares = 0;
    int agreeing = 0;
    for (std::size_t i = 0; i < match.MatchedOld().size(); ++i) {
        const PlanePoint p = t.Apply(match.MatchedOld()[i]);
        const double d = std::hypot(p.x - match.MatchedNew()[i].x, p.y - match.MatchedNew()[i].y);
        if (d <= distance) {
            ++agreeing;
            squares += d * d;
        }
    }
    result.agreeing = agreeing;
    result.residual = agreeing ? std::sqrt(squares / agreeing) : 0;
}

class Search
{
public:
    Search(const GrayPicture& older, const GrayPicture& newer)
        : m_older(older), m_newer(newer), m_oldCopy(older.WithLongerSide(kWorkingSide, kMostEnlarging)),
          m_newCopy(newer.WithLongerSide(kWorkingSide, kMostEnlarging)),
          m_match(FeatureMatch::Between(m_oldCopy, m_newCopy))
    {
    }

    // The features first; a picture too plain for them (whose few matches
    // may even agree on nonsense) by its likeness at the ratio of the sizes.
    RefitResult Run()
    {
        if (!Convincing(m_match))
            TryStretched();
        const bool reExport = Convincing(m_match) && TransformFinder::IsReExport(*m_match.Transform());
        if (reExport) {
            RefitResult found = FromFeatures();
            if (found.Ok())
                return found;
        }
        RefitResult ratio = FromSizeRatio();
        if (!ratio.Ok() && Convincing(m_match) && !reExport && LikeUnder(*m_match.Transform()))
            return Failed(RefitFailure::NotAReExport, &m_match);
        return ratio;
    }

private:
    // A picture stretched to another shape matches better once its copy has
    // the old copy's shape again.
    void TryStretched()
    {
        ScaledGray stretched = m_newer.Scaled(double(m_oldCopy.gray.cols) / m_newer.Width(),
                                              double(m_oldCopy.gray.rows) / m_newer.Height());
        FeatureMatch again = FeatureMatch::Between(m_oldCopy, stretched);
        if (Convincing(again)) {
            m_newCopy = std::move(stretched);
            m_match = std::move(again);
        }
    }

    // The same scene where `t` lays the old picture over the new one: a
    // far turn is told from another scene that shares a label or a logo.
    bool LikeUnder(const PictureTransform& t) const
    {
        return t.Inverse() && SceneCompare(m_oldCopy, m_newCopy).Agreement(t) >= kSameSceneByFeatures;
    }

    double AgreementDistance() const { return kAgreementDistance / m_newCopy.fromPicture.MeanScale(); }

    RefitResult FromFeatures()
    {
        PictureTransform t = *m_match.Transform();
        RefitResult result;
        result.matched = m_match.Matched();
        Agreement(m_match, t, AgreementDistance(), result); // the residual when no patch finds its place
        result.agreeing = m_match.Agreeing();
        std::vector<ReferencePair> pairs;
        for (std::size_t i = 0; i < m_match.AgreeingOld().size(); ++i)
            pairs.push_back({m_match.AgreeingOld()[i], m_match.AgreeingNew()[i]});
        auto refined = PatchRefiner(m_older, m_newer).Refine(t, m_match.AgreeingOld(), AgreementDistance());
        if (refined && TransformFinder::IsReExport(refined->transform)) {
            t = refined->transform;
            result.residual = refined->residual;
            pairs = std::move(refined->pairs);
        }
        result.transform = Snapped(t, pairs, result.residual, m_older, m_newer);
        if (!LikeUnder(result.transform))
            return Failed(RefitFailure::NotSameScene, &m_match);
        return result;
    }

    RefitResult FromSizeRatio()
    {
        const PictureTransform ratio = SizeRatio(m_older, m_newer);
        if (!TransformFinder::IsReExport(ratio))
            return Failed(RefitFailure::NotAReExport, &m_match);
        if (SceneCompare(m_oldCopy, m_newCopy).Agreement(ratio) < kSameSceneBySize) {
            const bool plain = std::min(m_match.OldFeatures(), m_match.NewFeatures()) < kFewestFeatures;
            return Failed(plain ? RefitFailure::TooLittleDetail : RefitFailure::NotSameScene, &m_match);
        }
        RefitResult result;
        result.method = RefitMethod::SizeRatio;
        result.transform = ratio;
        result.matched = m_match.Matched();
        Agreement(m_match, ratio, AgreementDistance(), result);
        return result;
    }

    const GrayPicture& m_older;
    const GrayPicture& m_newer;
    ScaledGray m_oldCopy;
    ScaledGray m_newCopy;
    FeatureMatch m_match;
};

} // namespace

RefitResult TransformFinder::Find(const PixelView& oldPicture, const PixelView& newPicture) const
{
    // The features are found in the grey of the colours as drawn.
    if (!oldPicture.Usable() || !newPicture.Usable() || !oldPicture.HoldsDrawnColours() ||
        !newPicture.HoldsDrawnColours())
        return Failed(RefitFailure::NoPicture);
    try {
        const GrayPicture older(oldPicture), newer(newPicture);
        return Search(older, newer).Run();
    } catch (const cv::Exception&) {
        return Failed(RefitFailure::OutOfMemory);
    } catch (const std::bad_alloc&) {
        return Failed(RefitFailure::OutOfMemory);
    }
}

RefitResult TransformFinder::FromSizes(DisplaySize oldFrame, DisplaySize newSize)
{
    if (!oldFrame.Known())
        return Failed(RefitFailure::NoOldSize);
    if (!newSize.Known())
        return Failed(RefitFailure::NoPicture);
    RefitResult result;
    result.method = RefitMethod::MapSize;
    result.transform =
        PictureTransform::ScaleShift(double(newSize.width) / oldFrame.width, double(newSize.height) / oldFrame.height);
    return IsReExport(result.transform) ? result : Failed(RefitFailure::NotAReExport);
}

bool TransformFinder::IsReExport(const PictureTransform& t)
{
    if (!t.Finite() || t.Determinant() <= 0)
        return false;
    const double sx = t.ScaleX(), sy = t.ScaleY();
    const auto within = [](double value, double most) { return value <= most && value >= 1 / most; };
    return within(sx, kMostScale) && within(sy, kMostScale) && within(sx / sy, kMostStretch) &&
           std::abs(t.RotationDegrees()) <= kMostDegrees && std::abs(t.Shear()) <= kMostShear;
}
