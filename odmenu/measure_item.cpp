#include "odmenu/measure_item.h"

#include <algorithm>

#include "odmenu/item_icon.h"

namespace kov {

std::string TextToMeasure(std::string_view caption) {
    std::string text(caption);
    if (const auto tab = text.find('\t'); tab != std::string::npos) text[tab] = ' ';
    return text;
}

ItemSize MeasuredItemSize(std::string_view caption, ItemSize textExtent, int iconHeight,
                          bool noIcons, std::uintptr_t itemData) {
    constexpr int kPadding = 6;
    if (caption.empty()) textExtent.height = 0;  // a separator: only the padding
    const int cell = itemData == kMenuBarItemData ? 0 : IconCellWidth(noIcons);
    return {textExtent.width + kPadding + cell,
            std::max(noIcons ? 0 : iconHeight, textExtent.height) + kPadding};
}

}  // namespace kov
