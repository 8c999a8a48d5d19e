#include "services/trace/RegionTracer.h"

#include "services/trace/OutlineSimplifier.h"
#include "services/trace/RegionMask.h"

#include <cmath>
#include <new>

namespace
{

bool UsableOptions(const TraceOptions& options)
{
    return std::isfinite(options.tolerance) && options.tolerance >= 0 && std::isfinite(options.epsilon) &&
           options.epsilon >= 0 && (options.maxVertices == 0 || options.maxVertices >= 3);
}

TraceResult Failed(TraceFailure failure)
{
    TraceResult result;
    result.failure = failure;
    return result;
}

} // namespace

TraceResult RegionTracer::Trace(const TracePixels& pixels, Point seed) const
{
    if (!pixels.Usable())
        return Failed(TraceFailure::NoPicture);
    if (!UsableOptions(m_options))
        return Failed(TraceFailure::BadOptions);
    if (seed.x < 0 || seed.y < 0 || seed.x >= pixels.width || seed.y >= pixels.height)
        return Failed(TraceFailure::OutsidePicture);
    try {
        const RegionMask region = RegionMask::Find(pixels, cv::Point(seed.x, seed.y), m_options.tolerance);
        TraceResult result;
        result.regionPixels = region.EnclosedPixels();
        result.outline = OutlineSimplifier(region.OuterCorners()).Simplify(m_options.epsilon, m_options.maxVertices);
        return result;
    } catch (const cv::Exception&) {
        return Failed(TraceFailure::OutOfMemory);
    } catch (const std::bad_alloc&) {
        return Failed(TraceFailure::OutOfMemory);
    }
}
