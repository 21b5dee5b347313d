#include "odmenu/win32/measure_item_win32.h"

#include "odmenu/item_icon.h"
#include "odmenu/item_request.h"
#include "odmenu/win32/icon_bitmaps.h"
#include "odmenu/win32/menu_font_win32.h"
#include "platform/win32/win32_pictures.h"

namespace kov::win32 {

ItemSize MeasureMenuItem(HWND window, std::int32_t itemId, std::uintptr_t itemData,
                         const ODMenuContext& context) {
    const auto& settings = context.sources.settings;
    const auto windowKey = reinterpret_cast<std::uintptr_t>(window);
    const std::string caption =
        StoredCaption(context.state.ItemCaptions, itemId, windowKey, itemData);
    const std::string text = TextToMeasure(caption);
    const int dpi = context.state.dpi;
    SIZE extent{};
    {
        WindowDC dc(window);
        const UniqueFont font = CreateMenuFont(context.sources.menuFont, dpi);
        const SelectedObject selected(dc.get(), font.get());
        extent = MenuTextExtent(dc.get(), text);
    }
    const ItemPictures pictures{
        context.state.ImageCollection, context.sources.CustomIcons,
        StoredShellTarget(context.state.ItemShellTargets, itemId, windowKey, itemData)};
    const auto icon = MeasureIcon(SplitAtTab(caption).left, pictures, settings.NoIcons, dpi);
    int iconHeight = 0;
    // A shell icon may arrive after the measure: its cell is kept from the start.
    if (icon.kind == IconSource::Kind::Shell) {
        iconHeight = DrawnIconSize(icon.kind, {}, dpi).height;
    } else if (icon.kind != IconSource::Kind::None) {
        iconHeight = LoadItemIcon(icon, dpi).size.cy;
    }
    return MeasuredItemSize(caption, {extent.cx, extent.cy}, iconHeight, settings.NoIcons, itemData,
                            dpi);
}

}  // namespace kov::win32
