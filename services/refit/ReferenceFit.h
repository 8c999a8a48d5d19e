#pragma once
// The transform that up to three reference points give, each a point of the
// old picture and where it lies in the new one:
//   - one pair shifts `guide` (the transform found from the pictures) so that
//     the pair's old point lands on its new point, keeping its scale and turn;
//   - two pairs give a scale along each axis and a shift, without a turn: the
//     x scale from how far apart they are across, the y scale from how far
//     apart they are down (one axis takes the other's scale when the pair
//     lies along a line of the other axis);
//   - three pairs give the one affine transform that carries each of them
//     exactly, scales, turn and all.
// Pairs beyond the third are not used.

#include "services/refit/PictureTransform.h"

#include <optional>
#include <span>

struct ReferencePair {
    PlanePoint oldPoint;
    PlanePoint newPoint;
};

enum class ReferenceFailure {
    None,
    NoPairs,
    TooClose,  // two old points nearer than a few pixels on both axes
    OnOneLine, // three old points on one line
    Mirrored,  // the points would turn the picture over
};

struct ReferenceFit {
    static constexpr int kMostPairs = 3;
    // Old points nearer than this along an axis say nothing of its scale.
    static constexpr double kShortestSpan = 4.0;

    ReferenceFailure failure = ReferenceFailure::None;
    PictureTransform transform;

    bool Ok() const { return failure == ReferenceFailure::None; }

    static ReferenceFit From(std::span<const ReferencePair> pairs, const PictureTransform& guide);
};
