#include "view/Magnification.h"

#include <algorithm>
#include <cmath>

namespace magnification
{

float Known(float stored)
{
    return std::find(kSteps.begin(), kSteps.end(), stored) != kSteps.end() ? stored : 1.0f;
}

float NextStep(float factor, int direction)
{
    if (direction > 0) {
        const auto larger = std::upper_bound(kSteps.begin(), kSteps.end(), factor);
        return larger == kSteps.end() ? kSteps.back() : *larger;
    }
    const auto smaller = std::lower_bound(kSteps.begin(), kSteps.end(), factor);
    return smaller == kSteps.begin() ? kSteps.front() : *std::prev(smaller);
}

float Fitting(QSize picture, QSize client)
{
    if (picture.isEmpty() || client.isEmpty())
        return 1.0f;
    const float across = static_cast<float>(client.width()) / static_cast<float>(picture.width());
    const float down = static_cast<float>(client.height()) / static_cast<float>(picture.height());
    // Truncated to a thousandth, so that the scaled picture never passes the client.
    const float fit = std::floor(std::min(across, down) * 1000.0f) / 1000.0f;
    return std::clamp(fit, kSmallest, kLargest);
}

} // namespace magnification
