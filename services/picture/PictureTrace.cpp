#include "services/picture/PictureTrace.h"

#include "services/picture/PicturePixels.h"

namespace picturetrace
{

TraceResult Trace(const MapPicture& picture, Point seed, const TraceOptions& options)
{
    const PicturePixels pixels(picture); // NoPicture when nothing is loaded
    return RegionTracer(options).Trace(pixels.View(), seed);
}

} // namespace picturetrace
