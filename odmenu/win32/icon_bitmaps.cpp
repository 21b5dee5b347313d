#include "odmenu/win32/icon_bitmaps.h"

#include <vector>

#include "platform/win32/win32_pictures.h"

namespace kov::win32 {

namespace {

SIZE DrawnSize(IconSource::Kind kind, SIZE own, int dpi) {
    const IconSize drawn = DrawnIconSize(kind, {own.cx, own.cy}, dpi);
    return {drawn.width, drawn.height};
}

SIZE DrawnFileSize(SIZE own, int dpi) {
    return DrawnSize(IconSource::Kind::File, own, dpi);
}

PictureFile Load(IconSource::Kind kind, const std::string& name, int dpi) {
    switch (kind) {
        case IconSource::Kind::Resource:
            return {LoadBitmapResource(name), false};
        case IconSource::Kind::File:
            return LoadPictureFile(name, &DrawnFileSize, dpi);
        case IconSource::Kind::None:
        case IconSource::Kind::Shell:
            break;
    }
    return {};
}

// Clears the alpha of a premultiplied bitmap wherever the mask (of the same size) is not black.
void ApplyMask(HBITMAP picture, HBITMAP mask, SIZE size) {
    DIBSECTION section{};
    if (GetObjectW(picture, sizeof section, &section) != sizeof section) return;
    BITMAPINFO info{};
    info.bmiHeader = {sizeof info.bmiHeader, size.cx, -size.cy, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<RGBQUAD> maskPixels(static_cast<std::size_t>(size.cx) * size.cy);
    const WindowDC screen(nullptr);
    if (GetDIBits(screen.get(), mask, 0, static_cast<UINT>(size.cy), maskPixels.data(), &info,
                  DIB_RGB_COLORS) == 0) {
        return;
    }
    auto* pixel = static_cast<RGBQUAD*>(section.dsBm.bmBits);
    for (const RGBQUAD& m : maskPixels) {
        if (m.rgbRed | m.rgbGreen | m.rgbBlue) *pixel = {};
        ++pixel;
    }
}

}  // namespace

LoadedIcon LoadItemIcon(const IconSource& icon, int dpi) {
    LoadedIcon loaded;
    if (icon.kind == IconSource::Kind::None) return loaded;
    auto picture = Load(icon.kind, icon.picture, dpi);
    if (!picture.bitmap) return loaded;
    loaded.picture = std::move(picture.bitmap);
    loaded.alpha = picture.alpha;
    loaded.mask = Load(icon.kind, icon.mask, dpi).bitmap;
    const SIZE own = BitmapSize(loaded.picture.get());
    if (loaded.alpha) {
        loaded.size = own;
    } else {
        loaded.size = DrawnSize(icon.kind, own, dpi);
        if (UniqueBitmap stretched = StretchedTo(loaded.picture.get(), loaded.size)) {
            loaded.picture = std::move(stretched);
        } else {
            loaded.size = own;  // no copy at the new size: the picture as it is
        }
    }
    if (UniqueBitmap mask = MaskStretchedTo(loaded.mask.get(), loaded.size))
        loaded.mask = std::move(mask);
    if (loaded.alpha && loaded.mask) {
        ApplyMask(loaded.picture.get(), loaded.mask.get(), loaded.size);
        loaded.mask.reset();
    }
    return loaded;
}

namespace {

// Copies bitmap into a new target of that size, made by makeTarget, in the stretch mode.
template <typename MakeTarget>
UniqueBitmap Stretched(HBITMAP bitmap, SIZE size, int mode, MakeTarget makeTarget) {
    const SIZE own = BitmapSize(bitmap);
    if (bitmap == nullptr || (own.cx == size.cx && own.cy == size.cy) || size.cx <= 0 ||
        size.cy <= 0) {
        return {};
    }
    WindowDC screen(nullptr);
    UniqueBitmap copy = makeTarget(screen.get());
    const UniqueMemoryDC from(CreateCompatibleDC(screen.get()));
    const UniqueMemoryDC to(CreateCompatibleDC(screen.get()));
    if (!copy || !from || !to) return {};
    const SelectedObject source(from.get(), bitmap);
    const SelectedObject target(to.get(), copy.get());
    // A monochrome source takes black and white into a colour copy; into a monochrome copy,
    // white stays white and every other colour turns black.
    SetTextColor(to.get(), RGB(0, 0, 0));
    SetBkColor(to.get(), RGB(255, 255, 255));
    SetBkColor(from.get(), RGB(255, 255, 255));
    SetStretchBltMode(to.get(), mode);
    SetBrushOrgEx(to.get(), 0, 0, nullptr);
    StretchBlt(to.get(), 0, 0, size.cx, size.cy, from.get(), 0, 0, own.cx, own.cy, SRCCOPY);
    return copy;
}

}  // namespace

UniqueBitmap StretchedTo(HBITMAP bitmap, SIZE size) {
    return Stretched(bitmap, size, HALFTONE, [&](HDC screen) {
        return UniqueBitmap(CreateCompatibleBitmap(screen, size.cx, size.cy));
    });
}

UniqueBitmap MaskStretchedTo(HBITMAP mask, SIZE size) {
    // Smoothing would give the mask grey edges, which show as fringes round the icon.
    return Stretched(mask, size, COLORONCOLOR, [&](HDC) {
        return UniqueBitmap(CreateBitmap(size.cx, size.cy, 1, 1, nullptr));
    });
}

}  // namespace kov::win32
