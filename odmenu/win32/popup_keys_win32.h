// Keys and the mouse inside the open popups: typed characters go to the type-ahead decision,
// the modifiers held when an item is chosen are kept for the dispatcher, and a right-click on an
// item that names an existing file or folder shows the shell's context menu for it. Windows
// hands typed characters over as WM_MENUCHAR; a message filter sees what the menu loop reads
// first.
#pragma once

#include "platform/win32/windows_api.h"

#include <optional>
#include <string>
#include <vector>

#include "core/command_ids.h"
#include "odmenu/od_menu_tables.h"
#include "odmenu/type_ahead.h"
#include "odmenu/win32/item_records.h"

namespace kov::win32 {

// Posted to the owner after a type-ahead selection, so that a system which ignored the
// MNC_SELECT answer still moves the selection.
inline constexpr UINT kTypeAheadSelected = WM_APP + 27;
// Posted to the owner to show the shell's context menu the right-click asked for.
inline constexpr UINT kShowShellMenu = WM_APP + 28;

class PopupKeys {
  public:
    PopupKeys(HWND owner, const ItemRecords& records,
              const std::optional<OwnerDrawSources>& sources);
    PopupKeys(const PopupKeys&) = delete;
    PopupKeys& operator=(const PopupKeys&) = delete;
    ~PopupKeys();

    // The answer to WM_MENUCHAR for a popup whose items were converted.
    LRESULT AnswerMenuChar(HWND owner, HMENU menu, char32_t typed);
    // On kTypeAheadSelected.
    static void EnsureSelected(HWND owner, HMENU menu, UINT position);
    // Keys held when the last item was chosen with Enter or a click; none for other ways.
    ChoiceModifier ModifierOfChoice() const { return modifier_; }

    // On WM_ENTERMENULOOP and WM_INITMENUPOPUP: the first popup of a loop is its root.
    void MenuLoopStarts() { rootPending_ = true; }
    void PopupOpens(HMENU menu);
    // On kShowShellMenu.
    void ShowShellMenu();
    // True, once, when the system closed the popup together with the shell's context menu.
    bool TakePopUpAgain();
    // On WM_ENTERIDLE: a popup opened again selects, level by level, the item it had.
    void Idle(HWND popup);

  private:
    static LRESULT CALLBACK MenuMessageFilter(int code, WPARAM wParam, LPARAM lParam);
    // True when the message was dealt with and the menu loop must not see it.
    bool Filter(const MSG& message);
    bool RightClick(const MSG& message);
    // The positions selected from the root down to the item at position in menu.
    std::vector<UINT> SelectionPath(HMENU menu, UINT position) const;

    struct ShellMenuRequest {
        std::string path;
        POINT at{};
        std::vector<UINT> selection;
    };

    HWND owner_;
    const ItemRecords& records_;
    const std::optional<OwnerDrawSources>& sources_;
    TypeAheadState typed_;
    HMENU typedIn_ = nullptr;
    char32_t highSurrogate_ = 0;
    ChoiceModifier modifier_ = ChoiceModifier::None;
    HHOOK filter_ = nullptr;
    HMENU root_ = nullptr;
    bool rootPending_ = false;
    std::optional<ShellMenuRequest> shellMenu_;
    bool shellMenuUp_ = false;
    // The selection when the shell's menu closed with nothing chosen, until other input comes.
    std::optional<std::vector<UINT>> leftByShellMenu_;
    // The selection to bring back in a popup opened again, and how many levels of it are.
    std::vector<UINT> restore_;
    std::size_t restored_ = 0;
};

}  // namespace kov::win32
