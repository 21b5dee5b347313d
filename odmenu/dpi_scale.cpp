#include "odmenu/dpi_scale.h"

#include <cmath>

namespace kov {

int ScalePixels(int pixelsAt96, int dpi) {
    return static_cast<int>(std::nearbyint(static_cast<double>(pixelsAt96) * dpi / kDesignDpi));
}

}  // namespace kov
