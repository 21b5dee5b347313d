#include "odmenu/menu_conversion.h"

#include "core/text.h"

namespace kov {

ConvertedItem ConvertMenuItem(unsigned type, std::string_view text) {
    ConvertedItem item{type | menu_types::kOwnerDraw, std::string(text)};
    const std::string trimmed = TrimSpaces(item.caption);
    if (!trimmed.empty() && trimmed.front() == '|') {
        item.caption.erase(0, 1);
        item.type |= menu_types::kMenuBreak;
    }
    return item;
}

bool IsToolbarClassName(std::string_view className) {
    const auto at = className.find("toolbar");
    return at != std::string_view::npos && at >= 1;
}

}  // namespace kov
