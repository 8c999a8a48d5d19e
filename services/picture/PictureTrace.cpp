#include "services/picture/PictureTrace.h"

#include "services/picture/PicturePixels.h"

namespace picturetrace
{

TraceResult Trace(const MapPicture& picture, Point seed, const TraceOptions& options)
{
    return RegionTracer(options).Trace(PicturePixels::Of(picture).Pixels(), seed);
}

} // namespace picturetrace
