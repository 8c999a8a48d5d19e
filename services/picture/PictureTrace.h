#pragma once
// Traces a region of a loaded picture into a polygon, for the editor's trace
// tool and the command-line tool alike, from the picture's pixels as
// PicturePixels reads them: where it had transparency, its opacity counts.

#include "services/trace/RegionTracer.h"
#include "services/types/Geometry.h"

class MapPicture;

namespace picturetrace
{

// NoPicture when nothing is loaded.
TraceResult Trace(const MapPicture& picture, Point seed, const TraceOptions& options);

} // namespace picturetrace
