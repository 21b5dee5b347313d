// The items' pictures, decoded and scaled once for each drawn size and kept as pixels until the
// unhook, so that painting an item again reads neither the disk nor the resources, and the GDI
// object count stays flat. A picture file that changes meanwhile changes nothing in this run.
#pragma once

#include <cstddef>
#include <list>
#include <map>
#include <optional>
#include <string>
#include <utility>

#include "odmenu/item_icon.h"
#include "odmenu/win32/icon_pixels.h"
#include "odmenu/win32/icon_worker.h"
#include "platform/win32/win32_pictures.h"

namespace kov::win32 {

// The key a picture is kept under at a DPI.
IconKey PictureKey(const IconSource& icon, int dpi);

class KeptPictures {
  public:
    // Pixels beyond this are let go, the least recently drawn first: a menu of hundreds of
    // photos would otherwise hold gigabytes.
    static constexpr std::size_t kMaxBytes = std::size_t{96} << 20;

    explicit KeptPictures(const PictureDecoder& decoder) : decoder_(decoder) {}

    // The picture as the item draws it at the DPI, decoded here if it is not kept, the
    // program's own grey pictures turned light for dark backgrounds when darkPictures is set;
    // null when it cannot be decoded. Valid until the next call.
    const IconPixels* Find(const IconSource& icon, int dpi, bool darkPictures);
    // What is kept under the key, made elsewhere: null while it is not (not come yet, or let
    // go); empty pixels for a source that has none. Valid until the next call.
    const IconPixels* Kept(const IconKey& key);
    void Keep(const IconKey& key, IconPixels pixels);
    // Picture files drawn larger than this many pixels are decoded away from the window
    // thread, where a popup of hundreds of photos would stop answering; smaller ones are
    // decoded where they are first needed, so that they never show late.
    static constexpr int kLargePixels = 64 * 64;
    // The drawn size of a picture file that large, from its header, read once; none for a
    // smaller one and one whose header does not tell.
    std::optional<IconSize> LargePicture(const IconSource& icon, int dpi);
    const PictureDecoder& Decoder() const { return decoder_; }

  private:
    using Key = std::pair<IconKey, bool>;  // lightened or not
    struct Entry {
        IconPixels picture;  // empty for one that cannot be decoded
        std::list<Key>::iterator used;
    };
    const IconPixels* Kept(const Key& key);
    const IconPixels& Keep(Key key, IconPixels pixels);

    const PictureDecoder& decoder_;
    std::map<Key, Entry> kept_;
    std::list<Key> byUse_;  // the most recently drawn first
    std::size_t bytes_ = 0;
    std::map<std::string, IconSize> fileSizes_;  // as their headers tell
};

}  // namespace kov::win32
