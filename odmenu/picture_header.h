// A picture file's size read from the first bytes of the file, without decoding it: what an
// item's measure needs of a picture that is decoded later, elsewhere.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "odmenu/item_icon.h"

namespace kov {

// Enough of any file this reads for its size; a JPEG whose size comes later is not read.
inline constexpr std::size_t kPictureHeaderBytes = 64 * 1024;

// The width and height a PNG, BMP, GIF, ICO (its first frame) or JPEG file gives itself in its
// first bytes; none for other files, and for ones that end too early.
std::optional<IconSize> PictureSizeOfHeader(std::string_view start);

}  // namespace kov
