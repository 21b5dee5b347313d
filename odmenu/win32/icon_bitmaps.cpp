#include "odmenu/win32/icon_bitmaps.h"

#include "platform/win32/win32_pictures.h"

namespace kov::win32 {

namespace {

UniqueBitmap Load(IconSource::Kind kind, const std::string& name) {
    switch (kind) {
        case IconSource::Kind::Resource:
            return LoadBitmapResource(name);
        case IconSource::Kind::File:
            return LoadPictureFileBitmap(name);
        case IconSource::Kind::None:
            break;
    }
    return {};
}

}  // namespace

UniqueBitmap LoadIconPicture(const IconSource& icon) {
    return Load(icon.kind, icon.picture);
}

UniqueBitmap LoadIconMask(const IconSource& icon) {
    return Load(icon.kind, icon.mask);
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
