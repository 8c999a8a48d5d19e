#pragma once
// Finds how a new picture lies over the old one, for a map whose picture was
// exported again at another size, cropped, padded or compressed anew: the
// transform that carries old picture coordinates to new ones (a scale,
// separate across and down for a picture stretched to another shape, a
// shift, and a small turn). Features of both pictures are matched and a
// robust fit (RANSAC) finds the transform most of them agree on, which the
// pictures' own pixels then make exact to a fraction of a pixel. Pictures of
// one scene too plain to match are taken at the ratio of their sizes; a new
// picture that is not the old scene is refused, with the reason.
//
// Plain C++ in and out; the image processing behind it stays in this folder.

#include "formats/DisplaySize.h"
#include "services/refit/PictureTransform.h"
#include "services/types/PixelView.h"

enum class RefitMethod {
    Features,        // the pictures' features matched
    SizeRatio,       // one scene at another size, too plain for its features to tell more
    MapSize,         // the old picture was not at hand: the map's size stretched over the new picture
    ReferencePoints, // the user's reference points
};

enum class RefitFailure {
    None,
    NoPicture,       // no pixels, or pixels of another size than 3 or 4 bytes
    NoOldSize,       // neither the old picture nor the map's size is known
    NotSameScene,    // the new picture shows something else
    TooLittleDetail, // too plain to tell where the new picture lies, and not the old one at another size
    NotAReExport,    // the pictures match only turned far, mirrored, slanted or scaled beyond the ways below
    OutOfMemory,
};

struct RefitResult {
    RefitFailure failure = RefitFailure::None;
    RefitMethod method = RefitMethod::Features;
    PictureTransform transform;
    int agreeing = 0;    // the matched features the transform agrees with
    int matched = 0;     // the features matched between the pictures
    double residual = 0; // how far, root mean square, the transform misses the points it was fitted to, in new pixels

    bool Ok() const { return failure == RefitFailure::None; }
};

class TransformFinder
{
public:
    // The ways a new picture may lie over the old one: larger turns, mirror
    // images and shapes beyond these are no re-export of the same picture.
    static constexpr double kMostScale = 16;
    static constexpr double kMostStretch = 4; // the x scale over the y scale, or the y over the x
    static constexpr double kMostDegrees = 10;
    static constexpr double kMostShear = 0.05;

    RefitResult Find(const PixelView& oldPicture, const PixelView& newPicture) const;
    // The old picture's frame (its size, or the map's WIDTH and HEIGHT)
    // stretched over the new picture.
    static RefitResult FromSizes(DisplaySize oldFrame, DisplaySize newSize);
    // Within the ways above.
    static bool IsReExport(const PictureTransform& t);
};
