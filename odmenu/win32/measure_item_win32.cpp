#include "odmenu/win32/measure_item_win32.h"

#include "odmenu/item_icon.h"
#include "odmenu/win32/menu_font_win32.h"

namespace kov::win32 {

ItemSize MeasureMenuItem(HWND window, const ItemRecord& record, ODMenuContext& context) {
    const auto& settings = context.sources.settings;
    const std::string text = TextToMeasure(record.caption);
    const int dpi = record.dpi;
    SIZE extent{};
    {
        WindowDC dc(window);
        const SelectedObject selected(dc.get(),
                                      context.kept.fonts.Font(context.sources.menuFont, dpi));
        extent = MenuTextExtent(dc.get(), text);
    }
    const auto& icon = record.picture;
    int iconHeight = 0;
    // A shell icon may arrive after the measure: its cell is kept from the start.
    if (icon.kind == IconSource::Kind::Shell) {
        iconHeight = DrawnIconSize(icon.kind, {}, dpi).height;
    } else if (icon.kind != IconSource::Kind::None) {
        const IconPixels* picture =
            context.kept.pictures.Find(icon, dpi, context.sources.colors.darkPictures);
        iconHeight = picture ? picture->size.cy : 0;
    }
    return MeasuredItemSize(record.caption, {extent.cx, extent.cy}, iconHeight, settings.NoIcons,
                            record.kind == ItemKind::MenuBarItem, dpi);
}

}  // namespace kov::win32
