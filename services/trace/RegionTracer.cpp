#include "services/trace/RegionTracer.h"

#include "services/trace/OutlineSimplifier.h"
#include "services/trace/RegionColour.h"
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
    return Trace(pixels, nullptr, seed);
}

TraceResult RegionTracer::Trace(const TracePixels& pixels, const TracePixels* smoothed, Point seed) const
{
    if (!pixels.Usable())
        return Failed(TraceFailure::NoPicture);
    if (!UsableOptions(m_options))
        return Failed(TraceFailure::BadOptions);
    if (seed.x < 0 || seed.y < 0 || seed.x >= pixels.width || seed.y >= pixels.height)
        return Failed(TraceFailure::OutsidePicture);
    try {
        const LabPixels lab(pixels, smoothed);
        const cv::Point at(seed.x, seed.y);
        const std::vector<RegionColour::Choice> choices = RegionColour::Around(lab, at, m_options.tolerance);
        for (std::size_t i = 0; i < choices.size(); ++i) {
            const RegionMask region =
                RegionMask::Find(lab, choices[i].start, choices[i].colour, m_options.tolerance, m_thinnest);
            if (i + 1 < choices.size() && !region.Holds(at))
                continue;
            TraceResult result;
            result.regionPixels = region.EnclosedPixels();
            result.outline =
                OutlineSimplifier(region.OuterCorners()).Simplify(m_options.epsilon, m_options.maxVertices);
            return result;
        }
        return Failed(TraceFailure::NoPicture); // not reached: the last choice is always taken
    } catch (const cv::Exception&) {
        return Failed(TraceFailure::OutOfMemory);
    } catch (const std::bad_alloc&) {
        return Failed(TraceFailure::OutOfMemory);
    }
}
