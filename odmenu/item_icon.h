// Which picture an owner-drawn item shows, decided from its caption and state alone; loading the
// picture is the platform's part.
#pragma once

#include <string>
#include <string_view>

#include "odmenu/od_menu_tables.h"

namespace kov {

// Width of the column left of the text that holds the icons.
int IconCellWidth(bool noIcons, int dpi);

// The side of the program's own pictures at a DPI, and the bitmap resource made for it: the
// smallest of 16, 20, 24 and 32 pixels that is not smaller (the 16-pixel one keeps its plain
// name, the others carry their size: "kovpic24").
int ProgramPictureSide(int dpi);
std::string ProgramPictureName(std::string_view name, int dpi);

struct IconSource {
    enum class Kind { None, Resource, File, Shell };
    Kind kind = Kind::None;
    std::string picture;  // a bitmap resource name, a picture file path or a shell icon's target
    std::string mask;     // for a file: may be empty
};

struct IconSize {
    int width = 0;
    int height = 0;
    bool operator==(const IconSize&) const = default;
};
// The size an icon is drawn at: the program's pictures and the shell's icons fill their side; a
// picture file keeps its look, its size scaled from 96 DPI, unless that would pass 1,024 pixels.
// Drawing stretches a bitmap that differs.
IconSize DrawnIconSize(IconSource::Kind kind, IconSize bitmap, int dpi);
// A picture file's or skin's size scaled from 96 DPI, or its own size where that would pass
// 1,024 pixels.
IconSize ScaledPictureSize(IconSize bitmap, int dpi);

// The caption before its first TAB, and what follows that TAB.
struct CaptionParts {
    std::string left;
    std::string right;
};
CaptionParts SplitAtTab(std::string_view caption);

// An item's own pictures: the program's, the custom icons, and the shell's icon of its target
// (null for none), in that order.
struct ItemPictures {
    const ImageTable& images;
    const CustomIconTable& customIcons;
    const platform::ShellIconTarget* shellTarget = nullptr;
};

// The picture whose height enters an item's measure (the check mark does not); resource names
// are those made for the DPI.
IconSource MeasureIcon(std::string_view key, const ItemPictures& pictures, bool noIcons, int dpi);

// The picture an item is drawn with: the check mark for checked items, even with icons off;
// otherwise its own picture, as MeasureIcon chose it.
IconSource DrawIcon(const IconSource& picture, bool checked, const ImageTable& images, int dpi);

}  // namespace kov
