#pragma once
// Makes a transform found from features exact to a fraction of a pixel: small
// patches of the old picture around points that matched, laid over the new
// picture as the transform says, are slid a few pixels about until they fit
// best, the best place found between pixels from how the fit falls off to
// either side; the affine transform that carries the patches to those places
// by least squares, the patches that still stray left out, is the answer.
//
// The picture of the finer scale is first averaged down to the scale of the
// other, so that the two are compared as alike as they can be. Inside the
// refit only.

#include "services/refit/GrayPicture.h"
#include "services/refit/PictureTransform.h"
#include "services/refit/ReferenceFit.h"

#include <optional>
#include <vector>

struct RefinedTransform {
    PictureTransform transform;
    int patches = 0;     // the patches the answer fits
    double residual = 0; // their root mean square distance from it, in new pixels
    // Each patch's place in the old picture and the place it fits best in the new one.
    std::vector<ReferencePair> pairs;
};

class PatchRefiner
{
public:
    PatchRefiner(const GrayPicture& older, const GrayPicture& newer) : m_older(older), m_newer(newer) {}

    // `coarse` is taken to be within `coarseError` new pixels everywhere;
    // nothing when too few patches found their place.
    std::optional<RefinedTransform> Refine(const PictureTransform& coarse, const std::vector<PlanePoint>& oldPoints,
                                           double coarseError) const;

private:
    const GrayPicture& m_older;
    const GrayPicture& m_newer;
};
