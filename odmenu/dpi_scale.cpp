#include "odmenu/dpi_scale.h"

namespace kov {

int ScalePixels(int pixelsAt96, int dpi) {
    return Nearest(static_cast<double>(pixelsAt96) * dpi / kDesignDpi);
}

}  // namespace kov
