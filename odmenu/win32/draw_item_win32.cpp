#include "odmenu/win32/draw_item_win32.h"

#include <iterator>
#include <string>

#include "odmenu/draw_layout.h"
#include "odmenu/item_icon.h"
#include "odmenu/measure_item.h"
#include "odmenu/win32/icon_bitmaps.h"
#include "odmenu/win32/measure_item_win32.h"
#include "odmenu/win32/menu_font_win32.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_pictures.h"

namespace kov::win32 {

namespace {

RECT ToRect(const Rect& r) {
    return {r.left, r.top, r.right, r.bottom};
}

void Fill(HDC dc, const Rect& area, const Brush& brush, const ODMenuState& state) {
    const UniqueBrush handle = CreateFillBrush(brush, state);
    const RECT rect = ToRect(area);
    if (handle) FillRect(dc, &rect, handle.get());
}

void Edge(HDC dc, const Rect& area, UINT edge, UINT flags) {
    RECT rect = ToRect(area);
    DrawEdge(dc, &rect, edge, flags);
}

bool IsSeparator(HMENU menu, UINT itemId) {
    wchar_t text[128] = {};
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_ID | MIIM_TYPE;
    info.dwTypeData = text;
    info.cch = std::size(text) - 1;
    return GetMenuItemInfoW(menu, itemId, FALSE, &info) && (info.fType & MFT_SEPARATOR) != 0;
}

int TextWidth(HDC dc, const std::string& text, int* height = nullptr) {
    SIZE extent{};
    const auto wide = Widen(text);
    GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &extent);
    if (height != nullptr) *height = extent.cy;
    return extent.cx;
}

void PaintText(HDC dc, const std::string& text, Point at, bool disabled) {
    const auto wide = Widen(text);
    DrawStateW(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(wide.c_str()),
               static_cast<WPARAM>(wide.size()), at.x, at.y, 0, 0,
               DST_PREFIXTEXT | (disabled ? DSS_DISABLED : 0));
}

// The picture through its mask: white where the mask is black, then ANDed with the picture,
// which is white where it is transparent. A custom icon without a mask is copied as it is.
void PaintIcon(HDC dc, HDC reference, HBITMAP picture, HBITMAP mask, Point at, SIZE size,
               bool disabled) {
    if (disabled) {
        DrawStateW(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(picture), 0, at.x, at.y, size.cx,
                   size.cy, DST_BITMAP | DSS_DISABLED);
        return;
    }
    const UniqueMemoryDC pictureDC(CreateCompatibleDC(reference));
    const UniqueMemoryDC maskDC(CreateCompatibleDC(reference));
    const SelectedObject selectedPicture(pictureDC.get(), picture);
    const SelectedObject selectedMask(maskDC.get(), mask);
    if (mask == nullptr) {
        BitBlt(dc, at.x, at.y, size.cx, size.cy, pictureDC.get(), 0, 0, SRCCOPY);
        return;
    }
    BitBlt(dc, at.x, at.y, size.cx, size.cy, maskDC.get(), 0, 0, MERGEPAINT);
    BitBlt(dc, at.x, at.y, size.cx, size.cy, pictureDC.get(), 0, 0, SRCAND);
}

DrawLook LookOf(const MenuSettings& settings, const ODMenuState& state) {
    return {settings.BGMenuColor,
            settings.SelBGMenuColor,
            settings.TextColor,
            settings.SelTextColor,
            settings.UseSkin,
            settings.NoIcons,
            state.SkinBackgroundPicture != nullptr};
}

// The rest of the bar right of its items, painted straight onto the bar.
void FillMenuBar(HWND window, const DRAWITEMSTRUCT& item, const Rect& rect, const Brush& brush,
                 ODMenuState& state) {
    RECT windowRect{};
    GetWindowRect(window, &windowRect);
    const int barWidth = windowRect.right - windowRect.left - 2 * GetSystemMetrics(SM_CXBORDER) - 2;
    for (const auto& fill :
         MenuBarFills(state.PrevMenuBarItem, static_cast<std::int32_t>(item.itemID), rect, barWidth,
                      state.LastMenuBarItemId)) {
        Fill(item.hDC, fill, brush, state);
    }
}

}  // namespace

UniqueBrush CreateFillBrush(const Brush& brush, const ODMenuState& state) {
    switch (brush.kind) {
        case Brush::Kind::Solid:
            return UniqueBrush(CreateSolidBrush(brush.color));
        case Brush::Kind::BackgroundSkin:
        case Brush::Kind::SelectedSkin: {
            const auto& picture = brush.kind == Brush::Kind::BackgroundSkin
                                      ? state.SkinBackgroundPicture
                                      : state.SkinSelectedPicture;
            HBITMAP bitmap = PictureBitmap(picture);
            return UniqueBrush(bitmap != nullptr ? CreatePatternBrush(bitmap) : nullptr);
        }
    }
    return {};
}

void DrawMenuItem(HWND window, const DRAWITEMSTRUCT& item, ODMenuContext& context) {
    const auto& settings = context.sources.settings;
    auto& state = context.state;
    const Rect rect{item.rcItem.left, item.rcItem.top, item.rcItem.right, item.rcItem.bottom};
    const int w = rect.Width();
    const int h = rect.Height();

    DrawInput input;
    input.item = rect;
    input.state = item.itemState;
    input.itemData = item.itemData;
    input.separator = IsSeparator(reinterpret_cast<HMENU>(item.hwndItem), item.itemID);

    const UniqueMemoryDC dc(CreateCompatibleDC(item.hDC));
    const UniqueBitmap canvas(CreateCompatibleBitmap(item.hDC, w, h));
    const SelectedObject selectedCanvas(dc.get(), canvas.get());

    const auto texts = SplitDrawCaption(
        ItemCaption(state.ItemCaptions, static_cast<std::int32_t>(item.itemID), window));
    input.columnMark = texts.columnMark;
    input.hasRightText = !texts.rightText.empty();

    const UniqueFont font = CreateMenuFont(dc.get(), context.sources.menuFont);
    const SelectedObject selectedFont(dc.get(), font.get());
    TextWidth(dc.get(), texts.caption, &input.captionHeight);
    if (input.hasRightText) input.rightTextWidth = TextWidth(dc.get(), texts.rightText);

    const bool plain = !input.separator && !input.columnMark;
    const auto icon =
        plain ? DrawIcon(texts.caption, (item.itemState & ODS_CHECKED) != 0, state.ImageCollection,
                         context.sources.CustomIcons, settings.NoIcons)
              : IconSource{};
    input.hasIcon = icon.kind != IconSource::Kind::None;
    const UniqueBitmap picture = input.hasIcon ? LoadIconPicture(icon) : UniqueBitmap();
    const UniqueBitmap mask = picture ? LoadIconMask(icon) : UniqueBitmap();
    const SIZE iconSize = BitmapSize(picture.get());
    if (picture) input.iconSize = Point{iconSize.cx, iconSize.cy};

    const DrawPlan plan = PlanMenuItem(input, LookOf(settings, state));

    if (item.itemData == kMenuBarItemData) FillMenuBar(window, item, rect, plan.background, state);
    SetBrushOrgEx(dc.get(), plan.brushOrigin.x, plan.brushOrigin.y, nullptr);
    Fill(dc.get(), plan.backgroundRect, plan.background, state);
    if (plan.etchedLine) Edge(dc.get(), *plan.etchedLine, EDGE_ETCHED, BF_TOP);
    if (plan.drawTexts) {
        if (plan.raisedFrame) Edge(dc.get(), *plan.raisedFrame, BDR_RAISEDINNER, BF_RECT);
        if (plan.highlight) Fill(dc.get(), *plan.highlight, plan.highlightBrush, state);
        SetTextColor(dc.get(), plan.textColor);
        SetBkColor(dc.get(), plan.backColor);
        // Text over skins would otherwise sit on boxes of the background colour.
        SetBkMode(dc.get(), TRANSPARENT);
        PaintText(dc.get(), texts.caption, plan.captionAt, plan.disabled);
        if (plan.rightTextAt)
            PaintText(dc.get(), texts.rightText, *plan.rightTextAt, plan.disabled);
        if (plan.iconAt) {
            PaintIcon(dc.get(), item.hDC, picture.get(), mask.get(), *plan.iconAt, iconSize,
                      plan.disabled);
        }
    }
    if (plan.columnGap) Fill(item.hDC, *plan.columnGap, plan.columnGapBrush, state);
    BitBlt(item.hDC, rect.left, rect.top, w, h, dc.get(), 0, 0, SRCCOPY);
}

}  // namespace kov::win32
