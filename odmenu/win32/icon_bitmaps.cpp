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

}  // namespace kov::win32
