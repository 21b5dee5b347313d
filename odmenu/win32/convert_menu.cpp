#include "odmenu/win32/convert_menu.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <vector>

#include "odmenu/access_keys.h"
#include "odmenu/measure_item.h"
#include "odmenu/menu_conversion.h"
#include "platform/win32/wide_text.h"

namespace kov::win32 {

namespace {

constexpr std::size_t kTextBuffer = 128;

struct ReadItem {
    MENUITEMINFOW info{};
    wchar_t text[kTextBuffer] = {};
};

bool Read(HMENU menu, UINT position, ReadItem& item) {
    item.info.cbSize = sizeof item.info;
    item.info.fMask = MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_TYPE | MIIM_DATA;
    item.info.dwTypeData = item.text;
    item.info.cch = kTextBuffer - 1;
    return GetMenuItemInfoW(menu, position, TRUE, &item.info) != FALSE;
}

std::uintptr_t WindowKey(HWND window) {
    return reinterpret_cast<std::uintptr_t>(window);
}

}  // namespace

std::vector<ShellIconItem> ConvertPopupMenu(HMENU menu, HWND window, ODMenuState& state,
                                            ShellIconSource* shellIcons) {
    std::vector<ShellIconItem> shellIconItems;
    const int count = GetMenuItemCount(menu);
    for (int position = 0; position < count; ++position) {
        ReadItem item;
        if (!Read(menu, static_cast<UINT>(position), item)) continue;
        const auto converted = ConvertMenuItem(item.info.fType, Narrow({item.text, kTextBuffer}));
        item.info.fMask = MIIM_ID | MIIM_TYPE;
        item.info.fType = converted.type;
        const bool needsSerial = !converted.caption.empty() && item.info.wID == 0 &&
                                 item.info.dwItemData < kFirstCaptionSerial;
        if (needsSerial) {
            item.info.fMask |= MIIM_DATA;
            item.info.dwItemData = state.nextCaptionSerial++;
        }
        SetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &item.info);
        if (converted.caption.empty()) continue;
        const auto id = static_cast<std::int32_t>(item.info.wID);
        const auto key = ItemCaptionKey(id, WindowKey(window), item.info.dwItemData);
        state.ItemCaptions[key] = converted.caption;
        if (shellIcons == nullptr) continue;
        const auto submenu = reinterpret_cast<platform::MenuHandle>(item.info.hSubMenu);
        if (auto target = shellIcons->ShellIconOf(submenu != 0 ? 0 : id, submenu)) {
            state.ItemShellTargets[key] = *target;
            shellIconItems.push_back({static_cast<UINT>(position), std::move(*target)});
        }
    }
    return shellIconItems;
}

LRESULT AnswerMenuChar(HMENU menu, HWND window, char32_t typed, const CaptionTable& ItemCaptions) {
    const int count = GetMenuItemCount(menu);
    std::vector<std::string> captions;
    std::optional<std::size_t> selected;
    for (int position = 0; position < count; ++position) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_ID | MIIM_STATE | MIIM_DATA;
        GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info);
        captions.push_back(StoredCaption(ItemCaptions, static_cast<std::int32_t>(info.wID),
                                         WindowKey(window), info.dwItemData));
        if (info.fState & MFS_HILITE) selected = static_cast<std::size_t>(position);
    }
    const auto choice = ChooseByAccessKey(captions, typed, selected);
    if (!choice) return MAKELRESULT(0, MNC_IGNORE);
    return MAKELRESULT(choice->position, choice->execute ? MNC_EXECUTE : MNC_SELECT);
}

void ConvertMenuBar(HWND window, ODMenuState& state) {
    HMENU bar = GetMenu(window);
    const int count = bar != nullptr ? GetMenuItemCount(bar) : 0;
    state.LastMenuBarItemId = count + kFirstMenuBarItemId - 1;
    const int first = IsZoomed(window) ? 1 : 0;
    for (int position = first; position < count; ++position) {
        ReadItem item;
        if (!Read(bar, static_cast<UINT>(position), item)) continue;
        const std::string caption =
            Narrow({item.text, std::min<std::size_t>(item.info.cch, kTextBuffer - 1)});
        const auto id = kFirstMenuBarItemId + position;
        if (!caption.empty()) state.ItemCaptions[ItemCaptionKey(id, WindowKey(window))] = caption;
        ModifyMenuW(bar, static_cast<UINT>(position),
                    item.info.fState | MF_BYPOSITION | MF_OWNERDRAW, static_cast<UINT_PTR>(id),
                    reinterpret_cast<LPCWSTR>(kMenuBarItemData));
    }
}

}  // namespace kov::win32
