#pragma once

#include <cmath>

namespace forms {

// Positions and sizes are kept in twips (1/1440 inch); windows land on the nearest
// logical pixel, which Qt scales on HiDPI screens.
inline constexpr float kTwipsPerPixel = 15.0f;

inline int twipsToPixels(float twips)
{
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

inline float pixelsToTwips(int pixels)
{
    return static_cast<float>(pixels) * kTwipsPerPixel;
}

} // namespace forms
