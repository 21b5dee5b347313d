// The first half of painting one owner-drawn item, decided from the module's tables alone: the
// texts to measure, the font to make and the picture to load, with the plan's input filled as
// far as it goes. The platform measures and loads, completes the input, and PlanMenuItem turns
// it into the plan it paints in one pass.
#pragma once

#include <cstdint>

#include "odmenu/draw_layout.h"
#include "odmenu/item_icon.h"
#include "odmenu/menu_font.h"
#include "odmenu/od_menu_tables.h"

namespace kov {

// The item as the draw request describes it.
struct DrawnItem {
    std::int32_t id = 0;
    std::uintptr_t window = 0;
    std::uintptr_t itemData = 0;
    unsigned state = 0;
    Rect rect;
    bool separator = false;
};

struct ItemRequest {
    DrawTexts texts;
    LogFont font;
    IconSource icon;
    DrawLook look;
    // Still to be filled from what is measured and loaded: captionHeight, rightTextWidth and
    // iconSize.
    DrawInput input;
};

ItemRequest RequestMenuItem(const DrawnItem& item, const ODMenuState& state,
                            const OwnerDrawSources& sources, const LogFont& systemMenuFont);

}  // namespace kov
