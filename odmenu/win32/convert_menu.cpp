#include "odmenu/win32/convert_menu.h"

#include <optional>
#include <string>
#include <vector>

#include "odmenu/menu_conversion.h"
#include "odmenu/win32/dpi_win32.h"
#include "platform/win32/wide_text.h"

namespace kov::win32 {

namespace {

struct ReadItem {
    MENUITEMINFOW info{};
    std::wstring text;
};

// The item with its whole text, however long.
std::optional<ReadItem> Read(HMENU menu, UINT position) {
    ReadItem item;
    item.info.cbSize = sizeof item.info;
    item.info.fMask = MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_FTYPE | MIIM_DATA | MIIM_STRING;
    if (!GetMenuItemInfoW(menu, position, TRUE, &item.info)) return std::nullopt;
    if (item.info.cch > 0 && (item.info.fType & MFT_SEPARATOR) == 0) {
        item.text.resize(item.info.cch + 1);
        item.info.dwTypeData = item.text.data();
        ++item.info.cch;
        if (!GetMenuItemInfoW(menu, position, TRUE, &item.info)) return std::nullopt;
        item.text.resize(item.info.cch);
    }
    return item;
}

// Owner-drawn, pointing to its record, and still carrying its caption as its menu string.
void Store(HMENU menu, UINT position, ReadItem& item, unsigned type, MenuItemRecord& record) {
    item.info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_DATA;
    item.info.fType = type;
    item.info.dwItemData = ItemDataOf(record);
    if ((type & MFT_SEPARATOR) == 0) {
        item.text = Widen(record.item.caption);
        item.info.fMask |= MIIM_STRING;
        item.info.dwTypeData = item.text.data();
    }
    SetMenuItemInfoW(menu, position, TRUE, &item.info);
}

// The target of a menu-file line or folder entry, or of the folder a folder submenu lists.
std::optional<platform::ShellIconTarget> ShellTarget(const MENUITEMINFOW& info,
                                                     const ODMenuContext& context) {
    ShellIconSource* shellIcons = context.sources.shellIcons;
    // Grayed items cannot be chosen; past the last line their numbers are folder entries'.
    if (shellIcons == nullptr || (info.fState & MFS_GRAYED) != 0) return std::nullopt;
    const auto submenu = reinterpret_cast<platform::MenuHandle>(info.hSubMenu);
    return shellIcons->ShellIconOf(submenu != 0 ? 0 : static_cast<std::int32_t>(info.wID), submenu);
}

}  // namespace

std::vector<platform::ShellIconTarget> ConvertPopupMenu(HMENU menu, int dpi,
                                                        ODMenuContext& context) {
    const auto& images = context.state.ImageCollection;
    std::vector<platform::ShellIconTarget> shellTargets;
    const int count = GetMenuItemCount(menu);
    for (int position = 0; position < count; ++position) {
        const auto at = static_cast<UINT>(position);
        auto item = Read(menu, at);
        if (!item) continue;
        MenuItemRecord* record = context.records.Find(item->info.dwItemData);
        if (record != nullptr) {
            MoveRecordToDpi(record->item, images, context.sources, dpi);
        } else {
            auto converted = ConvertMenuItem(item->info.fType, Narrow(item->text));
            const MenuItemFacts facts{converted.type, item->info.hSubMenu != nullptr,
                                      (item->info.fState & MFS_GRAYED) != 0};
            record = &context.records.Add(RecordPopupItem(facts, std::move(converted.caption),
                                                          images, context.sources, dpi,
                                                          ShellTarget(item->info, context)));
            Store(menu, at, *item, converted.type, *record);
        }
        if (record->item.picture.kind == IconSource::Kind::Shell)
            shellTargets.push_back(*record->item.shellTarget);
    }
    return shellTargets;
}

void ConvertMenuBar(HWND window, ODMenuContext& context) {
    HMENU bar = GetMenu(window);
    const int count = bar != nullptr ? GetMenuItemCount(bar) : 0;
    context.state.LastMenuBarItemId = count + kFirstMenuBarItemId - 1;
    const int dpi = WindowDpi(window);
    const int first = IsZoomed(window) ? 1 : 0;
    for (int position = first; position < count; ++position) {
        const auto at = static_cast<UINT>(position);
        auto item = Read(bar, at);
        if (!item) continue;
        MenuItemRecord& record = context.records.Add(RecordMenuBarItem(
            Narrow(item->text), context.state.ImageCollection, context.sources, dpi));
        item->info.wID = static_cast<UINT>(kFirstMenuBarItemId + position);
        Store(bar, at, *item, item->info.fType | MFT_OWNERDRAW, record);
    }
}

}  // namespace kov::win32
