// Every pixel size of the owner-drawn menu is designed at 96 pixels per inch and scaled to the
// DPI of the monitor the popup opens on, so that at 96 nothing moves.
#pragma once

namespace kov {

inline constexpr int kDesignDpi = 96;

// pixelsAt96 × dpi / 96, rounded half to even.
int ScalePixels(int pixelsAt96, int dpi);

}  // namespace kov
