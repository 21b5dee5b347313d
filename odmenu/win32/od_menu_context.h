// What the owner-draw message handlers read and update.
#pragma once

#include "odmenu/od_menu_tables.h"
#include "odmenu/win32/item_records.h"

namespace kov::win32 {

class ShellIcons;

struct ODMenuContext {
    ODMenuState& state;
    const OwnerDrawSources& sources;
    ItemRecords& records;
    const ShellIcons* shellIcons = nullptr;
};

}  // namespace kov::win32
