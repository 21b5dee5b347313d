// What the owner-draw message handlers read and update.
#pragma once

#include "odmenu/od_menu_tables.h"
#include "odmenu/win32/item_records.h"
#include "odmenu/win32/kept_pictures.h"
#include "odmenu/win32/menu_font_win32.h"

namespace kov::win32 {

class ArrivingIcons;

// What is made once and kept until the unhook: pictures per drawn size, fonts per DPI and style.
struct KeptObjects {
    explicit KeptObjects(const PictureDecoder& decoder) : pictures(decoder) {}
    KeptPictures pictures;
    MenuFonts fonts;
};

struct ODMenuContext {
    ODMenuState& state;
    const OwnerDrawSources& sources;
    ItemRecords& records;
    KeptObjects& kept;
    // Where shell icons and picture files are made away from the window thread; without it
    // (in tests) pictures are decoded where they are drawn, and shell icons never come.
    ArrivingIcons* arriving = nullptr;
};

}  // namespace kov::win32
