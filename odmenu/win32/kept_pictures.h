// The items' pictures, decoded and scaled once for each drawn size and kept as pixels until the
// unhook, so that painting an item again reads neither the disk nor the resources, and the GDI
// object count stays flat. A picture file that changes meanwhile changes nothing in this run.
#pragma once

#include <cstddef>
#include <list>
#include <map>
#include <string>
#include <tuple>

#include "odmenu/item_icon.h"
#include "odmenu/win32/icon_pixels.h"
#include "platform/win32/win32_pictures.h"

namespace kov::win32 {

class KeptPictures {
  public:
    // Pixels beyond this are let go, the least recently drawn first: a menu of hundreds of
    // photos would otherwise hold gigabytes.
    static constexpr std::size_t kMaxBytes = std::size_t{96} << 20;

    explicit KeptPictures(const PictureDecoder& decoder) : decoder_(decoder) {}

    // The picture as the item draws it at the DPI, the program's own grey pictures turned light
    // for dark backgrounds when darkPictures is set; null when it cannot be decoded. Valid until
    // the next call.
    const IconPixels* Find(const IconSource& icon, int dpi, bool darkPictures);

  private:
    using Key = std::tuple<IconSource::Kind, std::string, std::string, int, bool>;
    struct Entry {
        IconPixels picture;  // empty for one that cannot be decoded
        std::list<Key>::iterator used;
    };
    const PictureDecoder& decoder_;
    std::map<Key, Entry> kept_;
    std::list<Key> byUse_;  // the most recently drawn first
    std::size_t bytes_ = 0;
};

}  // namespace kov::win32
