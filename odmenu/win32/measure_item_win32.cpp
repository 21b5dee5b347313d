#include "odmenu/win32/measure_item_win32.h"

#include "odmenu/item_icon.h"
#include "odmenu/win32/menu_font_win32.h"

namespace kov::win32 {

namespace {

// A large picture, decoded away from the window thread, reserves the height its header tells,
// so that opening a popup of large pictures reads no more than their headers.
int PictureHeight(const IconSource& icon, int dpi, ODMenuContext& context) {
    auto& pictures = context.kept.pictures;
    if (context.arriving != nullptr) {
        if (const auto large = pictures.LargePicture(icon, dpi)) {
            const IconPixels* kept = pictures.Kept(PictureKey(icon, dpi));
            return kept != nullptr ? kept->size.cy : large->height;
        }
    }
    const IconPixels* picture = pictures.Find(icon, dpi, context.sources.colors.darkPictures);
    return picture ? picture->size.cy : 0;
}

}  // namespace

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
        iconHeight = PictureHeight(icon, dpi, context);
    }
    return MeasuredItemSize(record.caption, {extent.cx, extent.cy}, iconHeight, settings.NoIcons,
                            record.kind == ItemKind::MenuBarItem, dpi);
}

}  // namespace kov::win32
