#pragma once
// Whether two pictures show the same scene where a transform lays one over
// the other: small copies of both, the old one laid over the new one, compared
// by their normalised correlation where they overlap. Inside the refit only.

#include "services/refit/GrayPicture.h"
#include "services/refit/PictureTransform.h"

class SceneCompare
{
public:
    SceneCompare(const ScaledGray& older, const ScaledGray& newer) : m_older(older), m_newer(newer) {}

    // From -1 to 1: 1 when the overlap is the same picture but for brightness
    // and contrast, about 0 for unrelated pictures; -1 too when they overlap
    // on less than a fifth of the new picture. Two flat overlaps count as the
    // same when their greys are close.
    double Agreement(const PictureTransform& oldToNew) const;

private:
    const ScaledGray& m_older;
    const ScaledGray& m_newer;
};
