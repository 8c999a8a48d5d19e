#pragma once
// Traces a region of a loaded picture into a polygon, for the editor's trace
// tool and the command-line tool alike: the picture's pixels go to the region
// tracer as they are held (a PNG's bitmap, or Qt's decoded image), with
// transparency composited onto the picture's background colour as drawing
// shows it.

#include "services/trace/RegionTracer.h"
#include "services/types/Geometry.h"

class MapPicture;

namespace picturetrace
{

// NoPicture when nothing is loaded.
TraceResult Trace(const MapPicture& picture, Point seed, const TraceOptions& options);

} // namespace picturetrace
