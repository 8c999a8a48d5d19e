#pragma once
// Features of two scaled copies of the pictures, matched, and the affine
// transform most of the matches agree on, found by RANSAC. Inside the refit
// only.

#include "services/refit/GrayPicture.h"
#include "services/refit/PictureTransform.h"

#include <optional>
#include <vector>

class FeatureMatch
{
public:
    static FeatureMatch Between(const ScaledGray& oldCopy, const ScaledGray& newCopy);

    int OldFeatures() const { return m_oldFeatures; }
    int NewFeatures() const { return m_newFeatures; }
    // Matches that passed the ratio test: each old feature's best match
    // clearly better than its second best.
    int Matched() const { return m_matched; }
    // The matches the transform carries to within the RANSAC distance.
    int Agreeing() const { return static_cast<int>(m_agreeingOld.size()); }
    // In the pictures' own coordinates; nothing when too few matched.
    const std::optional<PictureTransform>& Transform() const { return m_transform; }
    // Where the agreeing matches lie, in the pictures' own coordinates.
    const std::vector<PlanePoint>& AgreeingOld() const { return m_agreeingOld; }
    const std::vector<PlanePoint>& AgreeingNew() const { return m_agreeingNew; }
    // The matched pairs, agreeing or not, in the pictures' own coordinates.
    const std::vector<PlanePoint>& MatchedOld() const { return m_matchedOld; }
    const std::vector<PlanePoint>& MatchedNew() const { return m_matchedNew; }

private:
    int m_oldFeatures = 0;
    int m_newFeatures = 0;
    int m_matched = 0;
    std::optional<PictureTransform> m_transform;
    std::vector<PlanePoint> m_agreeingOld, m_agreeingNew;
    std::vector<PlanePoint> m_matchedOld, m_matchedNew;
};
