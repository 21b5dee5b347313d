// One record per owner-drawn item, filled when its popup is converted: everything measuring and
// drawing know about the item. Nothing is looked up by identifier or asked of the menu again.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "odmenu/dpi_scale.h"
#include "odmenu/item_icon.h"
#include "odmenu/od_menu_tables.h"

namespace kov {

enum class ItemKind {
    Item,
    Heading,  // grayed: cannot be chosen
    Separator,
    Submenu,
    ColumnBreak,  // a lone "|": an etched stroke at the top of a new column, no text
    MenuBarItem,
    ProgramPicture,  // shows one of the program's own pictures
};

struct ItemRecord {
    // Whole, as the menu shows it ("&" and a TAB's right-hand text included); a column's
    // leading "|" is not part of it.
    std::string caption;
    ItemKind kind = ItemKind::Item;
    // What the item shows unless it is checked, chosen for dpi.
    IconSource picture;
    // Whose shell icon it shows when it has no picture of its own.
    std::optional<platform::ShellIconTarget> shellTarget;
    // Of the popup the item is in, when it last opened.
    int dpi = kDesignDpi;
};

// What the menu says about a popup item, its type already converted.
struct MenuItemFacts {
    unsigned type = 0;
    bool submenu = false;
    bool grayed = false;
};

ItemRecord RecordPopupItem(const MenuItemFacts& facts, std::string caption,
                           const ImageTable& images, const OwnerDrawSources& sources, int dpi,
                           std::optional<platform::ShellIconTarget> shellTarget = std::nullopt);
ItemRecord RecordMenuBarItem(std::string caption, const ImageTable& images,
                             const OwnerDrawSources& sources, int dpi);

// The popup opened again, maybe on another monitor: its pictures are chosen for that one.
void MoveRecordToDpi(ItemRecord& record, const ImageTable& images, const OwnerDrawSources& sources,
                     int dpi);

// The name screen readers announce: the caption, none for separators and column strokes.
std::string AccessibleName(const ItemRecord& record);

}  // namespace kov
