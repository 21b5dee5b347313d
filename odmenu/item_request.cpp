#include "odmenu/item_request.h"

namespace kov {

ItemRequest RequestMenuItem(const DrawnItem& item, const ODMenuState& state,
                            const OwnerDrawSources& sources, const LogFont& systemMenuFont) {
    const auto& settings = sources.settings;
    ItemRequest request;
    request.texts =
        SplitDrawCaption(StoredCaption(state.ItemCaptions, item.id, item.window, item.itemData));
    request.font = MenuFontRequest(systemMenuFont, sources.menuFont, state.dpi);
    if (!item.separator && !request.texts.columnMark) {
        const ItemPictures pictures{
            state.ImageCollection, sources.CustomIcons,
            StoredShellTarget(state.ItemShellTargets, item.id, item.window, item.itemData)};
        request.icon = DrawIcon(request.texts.caption, (item.state & item_state::kChecked) != 0,
                                pictures, settings.NoIcons, state.dpi);
    }
    request.look = {settings.BGMenuColor,
                    settings.SelBGMenuColor,
                    settings.TextColor,
                    settings.SelTextColor,
                    settings.UseSkin,
                    settings.NoIcons,
                    state.SkinBackgroundPicture != nullptr};
    DrawInput& input = request.input;
    input.dpi = state.dpi;
    input.item = item.rect;
    input.state = item.state;
    input.itemData = item.itemData;
    input.separator = item.separator;
    input.columnMark = request.texts.columnMark;
    input.hasRightText = !request.texts.rightText.empty();
    input.hasIcon = request.icon.kind != IconSource::Kind::None;
    return request;
}

}  // namespace kov
