// The first half of painting one owner-drawn item, decided from its record and the module's
// tables alone: the texts to measure, the font to make and the picture to load, with the plan's
// input filled as far as it goes. The platform measures and loads, completes the input, and
// PlanMenuItem turns it into the plan it paints in one pass.
#pragma once

#include "odmenu/draw_layout.h"
#include "odmenu/item_icon.h"
#include "odmenu/item_record.h"
#include "odmenu/menu_font.h"
#include "odmenu/od_menu_tables.h"

namespace kov {

struct ItemRequest {
    DrawTexts texts;
    LogFont font;
    IconSource icon;
    DrawLook look;
    // Still to be filled from what is measured and loaded: captionHeight, rightTextWidth and
    // iconSize.
    DrawInput input;
};

// itemState holds item_state bits; rect is where the item sits on the menu.
ItemRequest RequestMenuItem(const ItemRecord& record, unsigned itemState, const Rect& rect,
                            const ODMenuState& state, const OwnerDrawSources& sources,
                            const LogFont& systemMenuFont);

}  // namespace kov
