#include "odmenu/win32/draw_item_win32.h"

#include <cstdint>
#include <span>
#include <string>

#include "odmenu/draw_layout.h"
#include "odmenu/item_icon.h"
#include "odmenu/item_request.h"
#include "odmenu/win32/arriving_icons.h"
#include "odmenu/win32/icon_bitmaps.h"
#include "odmenu/win32/icon_pixels.h"
#include "odmenu/win32/kept_pictures.h"
#include "odmenu/win32/menu_font_win32.h"
#include "odmenu/win32/shell_icon_lookup.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_pictures.h"

namespace kov::win32 {

namespace {

RECT ToRect(const Rect& r) {
    return {r.left, r.top, r.right, r.bottom};
}

void Fill(HDC dc, const Rect& area, const Brush& brush, ODMenuState& state, int dpi) {
    const UniqueBrush fill = CreateFillBrush(brush, state, dpi);
    const RECT rect = ToRect(area);
    if (fill) FillRect(dc, &rect, fill.get());
}

// One-pixel edges drawn lineWidth times, so that they thicken with the DPI: a frame shrinks
// inwards, a top line moves down.
void Edges(HDC dc, Rect area, UINT edge, UINT flags, int lineWidth) {
    for (int i = 0; i < lineWidth; ++i) {
        RECT rect = ToRect(area);
        DrawEdge(dc, &rect, edge, flags);
        if (flags == BF_RECT) {
            area = {area.left + 1, area.top + 1, area.right - 1, area.bottom - 1};
        } else {
            ++area.top;
        }
    }
}

// The etched look: a dark line over a light one; or one line of a colour.
void EtchedLine(HDC dc, const Rect& area, int lineWidth, std::optional<RgbColor> color,
                ODMenuState& state, int dpi) {
    if (color) {
        Fill(dc, {area.left, area.top, area.right, area.top + lineWidth},
             {Brush::Kind::Solid, *color}, state, dpi);
        return;
    }
    Edges(dc, area, BDR_SUNKENOUTER, BF_TOP, lineWidth);
    Edges(dc, {area.left, area.top + lineWidth, area.right, area.bottom}, BDR_RAISEDINNER, BF_TOP,
          lineWidth);
}

void PaintText(HDC dc, const std::string& text, Point at, const DrawPlan& plan) {
    const UINT flags = DST_PREFIXTEXT | (plan.embossText ? DSS_DISABLED : 0) |
                       (plan.hidePrefix ? DSS_HIDEPREFIX : 0);
    const auto wide = Widen(text);
    DrawStateW(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(wide.c_str()),
               static_cast<WPARAM>(wide.size()), at.x, at.y, 0, 0, flags);
}

// The item's canvas: its pixels, which a picture is blended into directly, without a bitmap and
// device context of its own at every paint.
struct Canvas {
    UniqueBitmap bitmap;
    std::span<std::uint32_t> pixels;
    int width = 0;
};

Canvas MakeCanvas(int width, int height) {
    void* bits = nullptr;
    Canvas canvas{CreateTopDownBitmap({width, height}, &bits), {}, width};
    if (canvas.bitmap) {
        canvas.pixels = {static_cast<std::uint32_t*>(bits),
                         static_cast<std::size_t>(width) * static_cast<std::size_t>(height)};
    }
    return canvas;
}

// Blended with what is behind it. Disabled: a picture with transparency of its own is greyed
// from it; one without is embossed as the system draws a disabled bitmap, laid on white, which
// that look takes for the background.
void PaintIcon(HDC dc, const Canvas& canvas, const IconPixels& icon, Point at, bool disabled) {
    if (disabled && !icon.alpha) {
        const UniqueBitmap onWhite = BitmapOfPixels(icon);
        LayOnWhite(onWhite.get());
        DrawStateW(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(onWhite.get()), 0, at.x, at.y,
                   icon.size.cx, icon.size.cy, DST_BITMAP | DSS_DISABLED);
        return;
    }
    GdiFlush();  // what GDI drew is in the pixels before they are blended with
    BlendOver(canvas.pixels, canvas.width, disabled ? GreyedPicture(icon.pixels) : icon.pixels,
              icon.size.cx, at.x, at.y);
}

// The item's picture as kept for the run; null for none, and for a shell icon or large
// picture still on its way, which is asked for (again, if it was let go) and paints the item
// again when it comes.
const IconPixels* ItemPicture(const IconSource& icon, const ItemRecord& record,
                              const DRAWITEMSTRUCT& item, ODMenuContext& context) {
    auto& pictures = context.kept.pictures;
    const int dpi = record.dpi;
    const bool shell = icon.kind == IconSource::Kind::Shell;
    if (!shell && (context.arriving == nullptr || !pictures.LargePicture(icon, dpi)))
        return pictures.Find(icon, dpi, context.sources.colors.darkPictures);
    const int side = DrawnIconSize(IconSource::Kind::Shell, {}, dpi).width;
    const IconKey key = shell ? IconKey{icon.kind, icon.picture, {}, side} : PictureKey(icon, dpi);
    if (const IconPixels* kept = pictures.Kept(key)) return kept->pixels.empty() ? nullptr : kept;
    if (context.arriving == nullptr || (shell && !record.shellTarget)) return nullptr;
    const PictureDecoder& decoder = pictures.Decoder();
    context.arriving->Ask(shell ? ShellIconRequest(*record.shellTarget, side)
                                : IconRequest{key, [icon, dpi, &decoder] {
                                                  return DecodeItemPicture(icon, dpi, decoder);
                                              }});
    context.arriving->Await(key, reinterpret_cast<HMENU>(item.hwndItem), item.rcItem);
    return nullptr;
}

// The rest of the bar right of its items, painted straight onto the bar.
void FillMenuBar(HWND window, const DRAWITEMSTRUCT& item, const Rect& rect, const Brush& brush,
                 ODMenuState& state, int dpi) {
    RECT windowRect{};
    GetWindowRect(window, &windowRect);
    const int barWidth = windowRect.right - windowRect.left - 2 * GetSystemMetrics(SM_CXBORDER) - 2;
    for (const auto& fill :
         MenuBarFills(state.PrevMenuBarItem, static_cast<std::int32_t>(item.itemID), rect, barWidth,
                      state.LastMenuBarItemId)) {
        Fill(item.hDC, fill, brush, state, dpi);
    }
}

// A skin keeps its look at every DPI: its pattern grows with the items.
HBITMAP SkinAtDpi(const platform::PicturePtr& picture, ScaledSkin& kept, int dpi) {
    HBITMAP bitmap = PictureBitmap(picture);
    if (bitmap == nullptr) return nullptr;
    if (kept.source != picture || kept.dpi != dpi) {
        const SIZE own = BitmapSize(bitmap);
        const IconSize size = ScaledPictureSize({own.cx, own.cy}, dpi);
        UniqueBitmap stretched = StretchedTo(bitmap, {size.width, size.height});
        kept = {picture, dpi,
                stretched ? std::make_shared<Win32Picture>(std::move(stretched)) : nullptr};
    }
    return kept.scaled ? PictureBitmap(kept.scaled) : bitmap;
}

}  // namespace

UniqueBrush CreateFillBrush(const Brush& brush, ODMenuState& state, int dpi) {
    switch (brush.kind) {
        case Brush::Kind::Solid:
            return UniqueBrush(CreateSolidBrush(brush.color));
        case Brush::Kind::BackgroundSkin:
        case Brush::Kind::SelectedSkin: {
            const bool background = brush.kind == Brush::Kind::BackgroundSkin;
            HBITMAP skin =
                SkinAtDpi(background ? state.SkinBackgroundPicture : state.SkinSelectedPicture,
                          background ? state.scaledBackground : state.scaledSelected, dpi);
            return skin != nullptr ? UniqueBrush(CreatePatternBrush(skin)) : UniqueBrush();
        }
    }
    return {};
}

void DrawMenuItem(HWND window, const DRAWITEMSTRUCT& item, const ItemRecord& record,
                  ODMenuContext& context) {
    auto& state = context.state;
    const int dpi = record.dpi;
    const Rect rect{item.rcItem.left, item.rcItem.top, item.rcItem.right, item.rcItem.bottom};
    const int w = rect.Width();
    const int h = rect.Height();
    ItemRequest request = RequestMenuItem(record, item.itemState, rect, state, context.sources,
                                          context.kept.fonts.SystemMenuFont(dpi));

    // What only the system can tell: the texts' extents in the font, the picture's size.
    const UniqueMemoryDC dc(CreateCompatibleDC(item.hDC));
    const Canvas canvas = MakeCanvas(w, h);
    const SelectedObject selectedCanvas(dc.get(), canvas.bitmap.get());
    const SelectedObject selectedFont(dc.get(), context.kept.fonts.Font(request.font));
    const auto& texts = request.texts;
    DrawInput& input = request.input;
    input.captionHeight = MenuTextExtent(dc.get(), texts.caption).cy;
    if (input.hasRightText) input.rightTextWidth = MenuTextExtent(dc.get(), texts.rightText).cx;
    const IconPixels* icon = ItemPicture(request.icon, record, item, context);
    if (icon) input.iconSize = Point{icon->size.cx, icon->size.cy};
    // Until its icon arrives, and when the shell has none, the item is drawn as one without.
    if (request.icon.kind == IconSource::Kind::Shell) input.hasIcon = icon != nullptr;

    const DrawPlan plan = PlanMenuItem(input, request.look);

    if (input.menuBarItem) FillMenuBar(window, item, rect, plan.background, state, dpi);
    SetBrushOrgEx(dc.get(), plan.brushOrigin.x, plan.brushOrigin.y, nullptr);
    Fill(dc.get(), plan.backgroundRect, plan.background, state, dpi);
    if (plan.etchedLine)
        EtchedLine(dc.get(), *plan.etchedLine, plan.lineWidth, plan.lineColor, state, dpi);
    if (plan.drawTexts) {
        if (plan.raisedFrame)
            Edges(dc.get(), *plan.raisedFrame, BDR_RAISEDINNER, BF_RECT, plan.lineWidth);
        if (plan.highlight) Fill(dc.get(), *plan.highlight, plan.highlightBrush, state, dpi);
        SetTextColor(dc.get(), plan.textColor);
        SetBkColor(dc.get(), plan.backColor);
        // Text over skins would otherwise sit on boxes of the background colour.
        SetBkMode(dc.get(), TRANSPARENT);
        PaintText(dc.get(), texts.caption, plan.captionAt, plan);
        if (plan.rightTextAt) PaintText(dc.get(), texts.rightText, *plan.rightTextAt, plan);
        if (plan.iconAt && icon) PaintIcon(dc.get(), canvas, *icon, *plan.iconAt, plan.disabled);
    }
    if (plan.columnGap) Fill(item.hDC, *plan.columnGap, plan.columnGapBrush, state, dpi);
    BitBlt(item.hDC, rect.left, rect.top, w, h, dc.get(), 0, 0, SRCCOPY);
}

}  // namespace kov::win32
