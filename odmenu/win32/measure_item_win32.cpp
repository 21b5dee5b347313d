#include "odmenu/win32/measure_item_win32.h"

#include "odmenu/item_icon.h"
#include "odmenu/win32/icon_bitmaps.h"
#include "odmenu/win32/menu_font_win32.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_pictures.h"

namespace kov::win32 {

std::string ItemCaption(const CaptionTable& ItemCaptions, std::int32_t itemId, HWND window) {
    const auto found =
        ItemCaptions.find(ItemCaptionKey(itemId, reinterpret_cast<std::uintptr_t>(window)));
    return found != ItemCaptions.end() ? found->second : std::string();
}

ItemSize MeasureMenuItem(HWND window, std::int32_t itemId, std::uintptr_t itemData,
                         const ODMenuContext& context) {
    const auto& settings = context.sources.settings;
    const std::string caption = ItemCaption(context.state.ItemCaptions, itemId, window);
    const std::string text = TextToMeasure(caption);
    SIZE extent{};
    {
        WindowDC dc(window);
        const UniqueFont font = CreateMenuFont(dc.get(), context.sources.menuFont);
        const SelectedObject selected(dc.get(), font.get());
        const auto wide = Widen(text);
        GetTextExtentPoint32W(dc.get(), wide.c_str(), static_cast<int>(wide.size()), &extent);
    }
    const auto icon = MeasureIcon(SplitAtTab(caption).left, context.state.ImageCollection,
                                  context.sources.CustomIcons, settings.NoIcons);
    const int iconHeight =
        icon.kind == IconSource::Kind::None ? 0 : BitmapSize(LoadIconPicture(icon).get()).cy;
    return MeasuredItemSize(caption, {extent.cx, extent.cy}, iconHeight, settings.NoIcons,
                            itemData);
}

}  // namespace kov::win32
