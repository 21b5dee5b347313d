#include "odmenu/win32/kept_pictures.h"

#include <utility>

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

const IconPixels* KeptPictures::Find(const IconSource& icon, int dpi, bool darkPictures) {
    if (icon.kind == IconSource::Kind::None || icon.kind == IconSource::Kind::Shell) return {};
    const bool lighten = darkPictures && icon.kind == IconSource::Kind::Resource;
    Key key{icon.kind, icon.picture, icon.mask, dpi, lighten};
    if (const auto found = kept_.find(key); found != kept_.end()) {
        byUse_.splice(byUse_.begin(), byUse_, found->second.used);
        return Found(found->second.picture);
    }
    IconPixels picture = DecodeItemPicture(icon, dpi, decoder_);
    if (lighten) LightenGreyPicture(picture.pixels);
    bytes_ += BytesOf(picture);
    while (bytes_ > kMaxBytes && !byUse_.empty()) {
        const auto oldest = kept_.find(byUse_.back());
        bytes_ -= BytesOf(oldest->second.picture);
        kept_.erase(oldest);
        byUse_.pop_back();
    }
    byUse_.push_front(key);
    const auto added = kept_.emplace(std::move(key), Entry{std::move(picture), byUse_.begin()});
    return Found(added.first->second.picture);
}

}  // namespace kov::win32
