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

UniqueBitmap StretchedTo(HBITMAP bitmap, SIZE size) {
    const SIZE own = BitmapSize(bitmap);
    if (bitmap == nullptr || (own.cx == size.cx && own.cy == size.cy) || size.cx <= 0 ||
        size.cy <= 0) {
        return {};
    }
    WindowDC screen(nullptr);
    UniqueBitmap copy(CreateCompatibleBitmap(screen.get(), size.cx, size.cy));
    const UniqueMemoryDC from(CreateCompatibleDC(screen.get()));
    const UniqueMemoryDC to(CreateCompatibleDC(screen.get()));
    if (!copy || !from || !to) return {};
    const SelectedObject source(from.get(), bitmap);
    const SelectedObject target(to.get(), copy.get());
    // A monochrome mask stays black and white.
    SetTextColor(to.get(), RGB(0, 0, 0));
    SetBkColor(to.get(), RGB(255, 255, 255));
    SetStretchBltMode(to.get(), HALFTONE);
    SetBrushOrgEx(to.get(), 0, 0, nullptr);
    StretchBlt(to.get(), 0, 0, size.cx, size.cy, from.get(), 0, 0, own.cx, own.cy, SRCCOPY);
    return copy;
}

}  // namespace kov::win32
