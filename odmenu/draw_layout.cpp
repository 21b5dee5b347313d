#include "odmenu/draw_layout.h"

#include <algorithm>

#include "odmenu/dpi_scale.h"
#include "odmenu/item_icon.h"

namespace kov {

namespace {

bool Has(unsigned state, unsigned bit) {
    return (state & bit) != 0;
}

Brush Skin(Brush::Kind skin, RgbColor fallback, bool useSkin) {
    return useSkin ? Brush{skin, 0} : Brush{Brush::Kind::Solid, fallback};
}

}  // namespace

DrawTexts SplitDrawCaption(std::string_view caption) {
    if (caption == "|") return {true, {}, {}};
    auto parts = SplitAtTab(caption);
    return {false, std::move(parts.left), std::move(parts.right)};
}

DrawPlan PlanMenuItem(const DrawInput& input, const DrawLook& look) {
    const int w = input.item.Width();
    const int h = input.item.Height();
    const auto px = [&](int pixelsAt96) { return ScalePixels(pixelsAt96, input.dpi); };
    const unsigned state = input.state;
    const bool selected = Has(state, item_state::kSelected);
    const bool disabled = Has(state, item_state::kDisabled);
    const bool checked = Has(state, item_state::kChecked);

    DrawPlan plan;
    const bool selectedBackground = checked && selected && !disabled;
    plan.background =
        Skin(selectedBackground ? Brush::Kind::SelectedSkin : Brush::Kind::BackgroundSkin,
             look.BGMenuColor, look.UseSkin);
    // A pattern brush anchored at the menu's origin, so skins run on from item to item.
    plan.brushOrigin = {-input.item.left, -input.item.top};
    plan.backgroundRect = {0, 0, w, h};
    plan.lineWidth = std::max(1, px(1));

    if (!input.menuBarItem && input.item.left > 0) {
        plan.columnGap =
            Rect{input.item.left - px(4), input.item.top, input.item.left, input.item.bottom};
        plan.columnGapBrush = look.UseSkin && look.backgroundSkinExists
                                  ? Brush{Brush::Kind::BackgroundSkin, 0}
                                  : Brush{Brush::Kind::Solid, look.BGMenuColor};
    }

    plan.lineColor = look.separator;
    const int line = 2 * plan.lineWidth;
    if (input.separator) {
        plan.etchedLine = Rect{px(5), Nearest((h - line) / 2.0), w - px(5), h - line};
        return plan;
    }
    if (input.columnMark) {
        plan.etchedLine = Rect{Nearest(w / 2.0 - px(2)), 0, Nearest(w / 2.0 + px(2)), h};
        return plan;
    }

    plan.drawTexts = true;
    plan.hidePrefix = Has(state, item_state::kNoAccel);
    const int cell = IconCellWidth(look.NoIcons, input.dpi);
    if (input.hasIcon && selected && !checked && !disabled) plan.raisedFrame = Rect{0, 0, cell, h};
    if (selected && !disabled) {
        plan.highlight = Rect{input.hasIcon ? cell : 0, 0, w, h};
        plan.highlightBrush = Skin(Brush::Kind::SelectedSkin, look.SelBGMenuColor, look.UseSkin);
    }
    plan.textColor = selected ? look.SelTextColor : look.TextColor;
    plan.backColor = selected ? look.SelBGMenuColor : look.BGMenuColor;
    plan.disabled = disabled;
    plan.embossText = disabled && !look.grayedText;
    if (disabled && look.grayedText) plan.textColor = *look.grayedText;
    plan.captionAt = {cell + px(6), Nearest((h - input.captionHeight) / 2.0)};
    if (input.hasRightText)
        plan.rightTextAt = Point{w - px(10) - input.rightTextWidth, plan.captionAt.y};
    if (input.iconSize) {
        const int y = Nearest((h - input.iconSize->y) / 2.0);
        plan.iconAt =
            disabled ? Point{Nearest((cell - input.iconSize->x) / 2.0), y} : Point{px(2), y};
    }
    return plan;
}

std::vector<Rect> MenuBarFills(MenuBarItem& previous, std::int32_t itemId, const Rect& item,
                               int barWidth, std::int32_t lastMenuBarItemId) {
    std::vector<Rect> fills;
    if (itemId == previous.id + 1 && previous.rect.top < item.top && itemId > kFirstMenuBarItemId &&
        previous.rect.right != 0) {
        fills.push_back({previous.rect.right, previous.rect.top, barWidth, previous.rect.bottom});
    }
    previous = {item, itemId};
    if (itemId == lastMenuBarItemId) fills.push_back({item.right, item.top, barWidth, item.bottom});
    return fills;
}

}  // namespace kov
