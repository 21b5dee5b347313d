// Which picture an owner-drawn item shows, decided from its caption and state alone; loading the
// picture is the platform's part.
#pragma once

#include <string>
#include <string_view>

#include "odmenu/od_menu_tables.h"

namespace kov {

// Width of the column left of the text that holds the icons.
int IconCellWidth(bool noIcons);

struct IconSource {
    enum class Kind { None, Resource, File };
    Kind kind = Kind::None;
    std::string picture;  // a bitmap resource name or a picture file path
    std::string mask;     // for a file: may be empty
};

// The caption before its first TAB, and what follows that TAB.
struct CaptionParts {
    std::string left;
    std::string right;
};
CaptionParts SplitAtTab(std::string_view caption);

// The picture whose height enters an item's measure (the check mark does not).
IconSource MeasureIcon(std::string_view key, const ImageTable& images,
                       const CustomIconTable& customIcons, bool noIcons);

// The picture an item is drawn with: the check mark for checked items, even with icons off;
// otherwise the program's own pictures before the custom icons.
IconSource DrawIcon(std::string_view key, bool checked, const ImageTable& images,
                    const CustomIconTable& customIcons, bool noIcons);

}  // namespace kov
