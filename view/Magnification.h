#pragma once
// The view's magnifications: the steps a zoom goes through, from 25 % to
// 800 %, and the one that fits a picture into a window.

#include <QSize>

#include <array>

namespace magnification
{

inline constexpr std::array<float, 9> kSteps = {0.25f, 0.5f, 1.0f, 1.5f, 2.0f, 3.0f, 4.0f, 6.0f, 8.0f};
inline constexpr float kSmallest = 0.05f; // only a fit goes below the first step
inline constexpr float kLargest = 8.0f;
// Up to 300 % the editor keeps its first rules for pixels and handles: a
// point is the pixel under the pointer, and handles are met in picture
// pixels. Beyond it a picture pixel spans several window pixels, and the
// pointer's nearest pixel corner is taken.
inline constexpr float kLargestClassic = 3.0f;

// A stored magnification that is no step becomes 1.0: a damaged settings
// file must not make an absurd view.
float Known(float stored);
// The next step up (+1) or down (-1) from `factor`, or the end step.
float NextStep(float factor, int direction);
// The largest factor, up to 800 %, at which the whole picture fits the client.
float Fitting(QSize picture, QSize client);

} // namespace magnification
