#include "odmenu/item_request.h"

namespace kov {

ItemRequest RequestMenuItem(const ItemRecord& record, unsigned itemState, const Rect& rect,
                            const ODMenuState& state, const OwnerDrawSources& sources,
                            const LogFont& systemMenuFont) {
    const auto& settings = sources.settings;
    const int dpi = record.dpi;
    const bool separator = record.kind == ItemKind::Separator;
    ItemRequest request;
    request.texts = SplitDrawCaption(record.caption);
    request.font = MenuFontRequest(systemMenuFont, sources.menuFont, dpi);
    if (!separator && record.kind != ItemKind::ColumnBreak) {
        request.icon = DrawIcon(record.picture, (itemState & item_state::kChecked) != 0,
                                state.ImageCollection, dpi);
    }
    const auto& colors = sources.colors;
    request.look = {colors.BGMenuColor,
                    colors.SelBGMenuColor,
                    colors.TextColor,
                    colors.SelTextColor,
                    colors.skins,
                    settings.NoIcons,
                    state.SkinBackgroundPicture != nullptr,
                    colors.grayedText,
                    colors.separator};
    DrawInput& input = request.input;
    input.dpi = dpi;
    input.item = rect;
    input.state = itemState;
    input.menuBarItem = record.kind == ItemKind::MenuBarItem;
    input.separator = separator;
    input.columnMark = request.texts.columnMark;
    input.hasRightText = !request.texts.rightText.empty();
    input.hasIcon = request.icon.kind != IconSource::Kind::None;
    return request;
}

}  // namespace kov
