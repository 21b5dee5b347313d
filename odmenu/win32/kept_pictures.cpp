#include "odmenu/win32/kept_pictures.h"

#include <utility>

#include "odmenu/picture_header.h"
#include "odmenu/win32/icon_bitmaps.h"

namespace kov::win32 {

namespace {

std::size_t BytesOf(const IconPixels& picture) {
    return picture.pixels.size() * sizeof(std::uint32_t);
}

const IconPixels* Found(const IconPixels& picture) {
    return picture.pixels.empty() ? nullptr : &picture;
}

}  // namespace

IconKey PictureKey(const IconSource& icon, int dpi) {
    return {icon.kind, icon.picture, icon.mask, dpi};
}

const IconPixels* KeptPictures::Find(const IconSource& icon, int dpi, bool darkPictures) {
    if (icon.kind == IconSource::Kind::None || icon.kind == IconSource::Kind::Shell) return {};
    const bool lighten = darkPictures && icon.kind == IconSource::Kind::Resource;
    Key key{PictureKey(icon, dpi), lighten};
    if (const IconPixels* kept = Kept(key)) return Found(*kept);
    IconPixels picture = DecodeItemPicture(icon, dpi, decoder_);
    if (lighten) LightenGreyPicture(picture.pixels);
    return Found(Keep(std::move(key), std::move(picture)));
}

const IconPixels* KeptPictures::Kept(const IconKey& key) {
    return Kept(Key{key, false});
}

void KeptPictures::Keep(const IconKey& key, IconPixels pixels) {
    Keep(Key{key, false}, std::move(pixels));
}

std::optional<IconSize> KeptPictures::LargePicture(const IconSource& icon, int dpi) {
    if (icon.kind != IconSource::Kind::File) return std::nullopt;
    auto found = fileSizes_.find(icon.picture);
    if (found == fileSizes_.end()) {
        const auto own = PictureSizeOfHeader(decoder_.FileStart(icon.picture, kPictureHeaderBytes));
        found = fileSizes_.emplace(icon.picture, own.value_or(IconSize{})).first;
    }
    const IconSize drawn = DrawnIconSize(icon.kind, found->second, dpi);
    if (drawn.width <= 0 || drawn.height <= 0 || drawn.width * drawn.height <= kLargePixels)
        return std::nullopt;
    return drawn;
}

const IconPixels* KeptPictures::Kept(const Key& key) {
    const auto found = kept_.find(key);
    if (found == kept_.end()) return nullptr;
    byUse_.splice(byUse_.begin(), byUse_, found->second.used);
    return &found->second.picture;
}

const IconPixels& KeptPictures::Keep(Key key, IconPixels pixels) {
    if (const auto old = kept_.find(key); old != kept_.end()) {
        bytes_ -= BytesOf(old->second.picture);
        byUse_.erase(old->second.used);
        kept_.erase(old);
    }
    bytes_ += BytesOf(pixels);
    while (bytes_ > kMaxBytes && !byUse_.empty()) {
        const auto oldest = kept_.find(byUse_.back());
        bytes_ -= BytesOf(oldest->second.picture);
        kept_.erase(oldest);
        byUse_.pop_back();
    }
    byUse_.push_front(key);
    const auto added = kept_.emplace(std::move(key), Entry{std::move(pixels), byUse_.begin()});
    return added.first->second.picture;
}

}  // namespace kov::win32
