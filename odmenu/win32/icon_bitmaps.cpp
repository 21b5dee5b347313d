#include "odmenu/win32/icon_bitmaps.h"

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

PictureFile Load(IconSource::Kind kind, const std::string& name, int dpi,
                 const PictureDecoder& decoder) {
    if (name.empty()) return {};
    switch (kind) {
        case IconSource::Kind::Resource:
            return {decoder.Resource(name), false};
        case IconSource::Kind::File:
            return decoder.File(name, &DrawnFileSize, dpi);
        case IconSource::Kind::None:
        case IconSource::Kind::Shell:
            break;
    }
    return {};
}

struct LoadedIcon {
    UniqueBitmap picture;
    UniqueBitmap mask;
    SIZE size{};
    bool alpha = false;
};

LoadedIcon LoadItemIcon(const IconSource& icon, int dpi, const PictureDecoder& decoder) {
    LoadedIcon loaded;
    auto picture = Load(icon.kind, icon.picture, dpi, decoder);
    if (!picture.bitmap) return loaded;
    loaded.picture = std::move(picture.bitmap);
    loaded.alpha = picture.alpha;
    loaded.mask = Load(icon.kind, icon.mask, dpi, decoder).bitmap;
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
    return loaded;
}

}  // namespace

IconPixels DecodeItemPicture(const IconSource& icon, int dpi, const PictureDecoder& decoder) {
    const LoadedIcon loaded = LoadItemIcon(icon, dpi, decoder);
    IconPixels kept{loaded.size, PixelsOfBitmap(loaded.picture.get(), loaded.size), loaded.alpha};
    if (kept.pixels.empty()) return {};
    if (!kept.alpha) {
        for (auto& pixel : kept.pixels) pixel |= 0xFF000000;
    }
    if (loaded.mask) ApplyMask(kept.pixels, PixelsOfBitmap(loaded.mask.get(), loaded.size));
    return kept;
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
