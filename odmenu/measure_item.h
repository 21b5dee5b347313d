// The size of an owner-drawn item, from its caption's text extent and its icon's height.
#pragma once

#include <string>
#include <string_view>

namespace kov {

struct ItemSize {
    int width = 0;
    int height = 0;
    bool operator==(const ItemSize&) const = default;
};

// The caption with its first TAB replaced by a blank: the left and the right-hand text are
// measured as one line.
std::string TextToMeasure(std::string_view caption);

// textExtent is the extent of TextToMeasure(caption); iconHeight is the drawn icon's, 0 without
// an icon. Menu-bar items have no icon column.
ItemSize MeasuredItemSize(std::string_view caption, ItemSize textExtent, int iconHeight,
                          bool noIcons, bool menuBarItem, int dpi);

}  // namespace kov
