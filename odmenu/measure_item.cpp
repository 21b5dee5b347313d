#include "odmenu/measure_item.h"

#include <algorithm>

#include "odmenu/dpi_scale.h"
#include "odmenu/item_icon.h"

namespace kov {

std::string TextToMeasure(std::string_view caption) {
    std::string text(caption);
    if (const auto tab = text.find('\t'); tab != std::string::npos) text[tab] = ' ';
    return text;
}

ItemSize MeasuredItemSize(std::string_view caption, ItemSize textExtent, int iconHeight,
                          bool noIcons, bool menuBarItem, int dpi) {
    const int padding = ScalePixels(6, dpi);
    if (caption.empty()) textExtent.height = 0;  // a separator: only the padding
    const int cell = menuBarItem ? 0 : IconCellWidth(noIcons, dpi);
    return {textExtent.width + padding + cell,
            std::max(noIcons ? 0 : iconHeight, textExtent.height) + padding};
}

}  // namespace kov
