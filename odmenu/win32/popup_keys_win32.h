// Keys and the mouse inside the open popups: typed characters go to the type-ahead decision,
// the modifiers held when an item is chosen are kept for the dispatcher. Windows hands typed
// characters over as WM_MENUCHAR; a message filter sees what the menu loop reads first.
#pragma once

#include "platform/win32/windows_api.h"

#include "core/command_ids.h"
#include "odmenu/type_ahead.h"
#include "odmenu/win32/item_records.h"

namespace kov::win32 {

// Posted to the owner after a type-ahead selection, so that a system which ignored the
// MNC_SELECT answer still moves the selection.
inline constexpr UINT kTypeAheadSelected = WM_APP + 27;

class PopupKeys {
  public:
    explicit PopupKeys(const ItemRecords& records);
    PopupKeys(const PopupKeys&) = delete;
    PopupKeys& operator=(const PopupKeys&) = delete;
    ~PopupKeys();

    // The answer to WM_MENUCHAR for a popup whose items were converted.
    LRESULT AnswerMenuChar(HWND owner, HMENU menu, char32_t typed);
    // On kTypeAheadSelected.
    static void EnsureSelected(HWND owner, HMENU menu, UINT position);
    // Keys held when the last item was chosen with Enter or a click; none for other ways.
    ChoiceModifier ModifierOfChoice() const { return modifier_; }

  private:
    static LRESULT CALLBACK MenuMessageFilter(int code, WPARAM wParam, LPARAM lParam);
    // True when the message was dealt with and the menu loop must not see it.
    bool Filter(const MSG& message);

    const ItemRecords& records_;
    TypeAheadState typed_;
    HMENU typedIn_ = nullptr;
    char32_t highSurrogate_ = 0;
    ChoiceModifier modifier_ = ChoiceModifier::None;
    HHOOK filter_ = nullptr;
};

}  // namespace kov::win32
