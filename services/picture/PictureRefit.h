#pragma once
// The refit between loaded pictures, for the editor's command and the
// command-line tool alike. The map's picture is matched against the new one
// only when it is the picture its areas were drawn on: when its size is the
// map's WIDTH and HEIGHT (or the map has none). A map whose picture file was
// already exported again in its place holds the new pixels under the old
// WIDTH and HEIGHT; it is then carried by the ratio of those to the new size.

#include "formats/DisplaySize.h"
#include "services/refit/MapRefit.h"
#include "services/refit/TransformFinder.h"

#include <string>

class CZephyrmapDoc;
class MapPicture;

namespace picturerefit
{

// The size the map's areas were drawn in: its WIDTH and HEIGHT, else the
// size of `oldPicture` when one is loaded.
DisplaySize OldFrame(const CZephyrmapDoc& doc, const MapPicture* oldPicture);
// Whether `oldPicture` is the picture the areas were drawn on.
bool OldPictureUsable(const CZephyrmapDoc& doc, const MapPicture* oldPicture);
// How `newPicture` lies over the map's old picture (or over its old frame).
RefitResult Fit(const CZephyrmapDoc& doc, const MapPicture* oldPicture, const MapPicture& newPicture);
DisplaySize SizeOf(const MapPicture& picture);

} // namespace picturerefit
