// Every pixel size of the owner-drawn menu is designed at 96 pixels per inch and scaled to the
// DPI of the monitor the popup opens on, so that at 96 nothing moves.
#pragma once

#include <cmath>

namespace kov {

inline constexpr int kDesignDpi = 96;

// Half-way values go to the even neighbour, as the default floating-point rounding mode does.
inline int Nearest(double value) {
    return static_cast<int>(std::lrint(value));
}

// pixelsAt96 × dpi / 96, rounded half to even.
int ScalePixels(int pixelsAt96, int dpi);

}  // namespace kov
