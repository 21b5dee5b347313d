#include "odmenu/win32/od_menu_hook.h"

#include <iterator>
#include <memory>
#include <optional>

#include "odmenu/item_icon.h"
#include "odmenu/menu_conversion.h"
#include "odmenu/win32/arriving_icons.h"
#include "odmenu/win32/convert_menu.h"
#include "odmenu/win32/dpi_win32.h"
#include "odmenu/win32/draw_item_win32.h"
#include "odmenu/win32/measure_item_win32.h"
#include "odmenu/win32/popup_keys_win32.h"
#include "odmenu/win32/shell_context_menu.h"
#include "odmenu/win32/shell_icon_lookup.h"
#include "platform/win32/handles.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/window_look.h"
#include "platform/win32/window_subclass.h"

namespace kov::win32 {

namespace {

// Outlives the module: a picture may still be decoding on another thread after the unhook.
const PictureDecoder pictureDecoder;

// The module's state: the tables and the items' records live from the first hook to the unhook,
// the sources are the run's data they were hooked with.
struct ODMenuModule {
    explicit ODMenuModule(HWND window)
        : kept(pictureDecoder), keys(window, records, sources), arriving(window) {}
    ODMenuState state;
    ItemRecords records;
    KeptObjects kept;
    std::optional<OwnerDrawSources> sources;
    PopupKeys keys;
    ArrivingIcons arriving;
    // The popup window whose corners were set last; the message repeats while it idles.
    HWND rounded = nullptr;
};
std::unique_ptr<ODMenuModule> odMenu;

bool IsSystemMenu(HWND hwnd, WPARAM menu) {
    return GetSystemMenu(hwnd, FALSE) == reinterpret_cast<HMENU>(menu);
}

// A toolbar that hands its background to this window gets the menu's background.
bool EraseToolbarBackground(HDC dc) {
    HWND owner = WindowFromDC(dc);
    wchar_t className[128] = {};
    if (owner == nullptr || GetClassNameW(owner, className, std::size(className)) == 0 ||
        !IsToolbarClassName(Narrow(className))) {
        return false;
    }
    const auto& colors = odMenu->sources->colors;
    const Brush brush = colors.skins && odMenu->state.SkinBackgroundPicture != nullptr
                            ? Brush{Brush::Kind::BackgroundSkin, 0}
                            : Brush{Brush::Kind::Solid, colors.BGMenuColor};
    RECT windowRect{};
    GetWindowRect(owner, &windowRect);
    const RECT area{0, 0, windowRect.right - windowRect.left, windowRect.bottom - windowRect.top};
    const UniqueBrush fill = CreateFillBrush(brush, odMenu->state, WindowDpi(owner));
    if (fill) FillRect(dc, &area, fill.get());
    return true;
}

// The messages of the shell's context menu while it is up over the popup: its popups and the
// items it draws itself are the shell's, not to be converted or drawn as ours.
bool ForShellMenu(UINT message, LPARAM lParam) {
    switch (message) {
        case WM_INITMENUPOPUP:
        case WM_MENUCHAR:
            return true;
        case WM_DRAWITEM: {
            const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            return item != nullptr && item->CtlType == ODT_MENU &&
                   odMenu->records.Find(item->itemData) == nullptr;
        }
        case WM_MEASUREITEM: {
            const auto* item = reinterpret_cast<const MEASUREITEMSTRUCT*>(lParam);
            return item != nullptr && item->CtlType == ODT_MENU &&
                   odMenu->records.Find(item->itemData) == nullptr;
        }
        default:
            return false;
    }
}

}  // namespace

LRESULT CALLBACK ODMenuWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto passOn = [&] {
        return CallNextWindowProcedure(&ODMenuWindowProc, hwnd, message, wParam, lParam);
    };
    if (!odMenu || !odMenu->sources) return passOn();
    LRESULT shellAnswer = 0;
    if (ForShellMenu(message, lParam) &&
        ShellContextMenu::MenuMessage(message, wParam, lParam, shellAnswer)) {
        return shellAnswer;
    }
    ODMenuContext context{odMenu->state, *odMenu->sources, odMenu->records, odMenu->kept,
                          &odMenu->arriving};
    // An item that is not one of ours is drawn as an empty one.
    const auto recordOf = [&](ULONG_PTR itemData) -> const ItemRecord& {
        static const ItemRecord empty;
        const MenuItemRecord* record = odMenu->records.Find(itemData);
        return record != nullptr ? record->item : empty;
    };
    switch (message) {
        case WM_DRAWITEM: {
            const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (item == nullptr || item->CtlType != ODT_MENU) break;
            // A repaint of a few items (an icon that arrived) asks for every item of the popup;
            // those wholly outside the part being painted would change no pixel.
            if (!RectVisible(item->hDC, &item->rcItem)) return 0;
            DrawMenuItem(hwnd, *item, recordOf(item->itemData), context);
            return 0;
        }
        case WM_MEASUREITEM: {
            auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
            if (item == nullptr || item->CtlType != ODT_MENU) break;
            const auto size = MeasureMenuItem(hwnd, recordOf(item->itemData), context);
            item->itemWidth = static_cast<UINT>(size.width);
            item->itemHeight = static_cast<UINT>(size.height);
            return 0;
        }
        case WM_ERASEBKGND:
            if (EraseToolbarBackground(reinterpret_cast<HDC>(wParam))) return -1;
            break;
        case WM_MENUCHAR: {
            // The window's own procedure has the first word; only a key it ignores is matched
            // against the items' access keys.
            const LRESULT result = passOn();
            if (HIWORD(result) != MNC_IGNORE || !(HIWORD(wParam) & MF_POPUP)) return result;
            return odMenu->keys.AnswerMenuChar(hwnd, reinterpret_cast<HMENU>(lParam),
                                               static_cast<char32_t>(LOWORD(wParam)));
        }
        case WM_ENTERMENULOOP:
            odMenu->keys.MenuLoopStarts();
            break;
        case kShowShellMenu:
            odMenu->keys.ShowShellMenu();
            return 0;
        case kTypeAheadSelected:
            PopupKeys::EnsureSelected(hwnd, reinterpret_cast<HMENU>(lParam),
                                      static_cast<UINT>(wParam));
            return 0;
        case WM_INITMENUPOPUP: {
            // Folder submenus are filled by the window's own handling, so convert after it.
            const bool systemMenu = IsSystemMenu(hwnd, wParam);
            odMenu->keys.PopupOpens(reinterpret_cast<HMENU>(wParam));
            const LRESULT result = passOn();
            if (!systemMenu) {
                const auto menu = reinterpret_cast<HMENU>(wParam);
                const int dpi = PopupDpi(hwnd);
                const int side = DrawnIconSize(IconSource::Kind::Shell, {}, dpi).width;
                for (const auto& target : ConvertPopupMenu(menu, dpi, context))
                    odMenu->arriving.Ask(ShellIconRequest(target, side));
            }
            return result;
        }
        case WM_ENTERIDLE:
            if (wParam != MSGF_MENU) break;
            odMenu->keys.Idle(reinterpret_cast<HWND>(lParam));
            if (reinterpret_cast<HWND>(lParam) != odMenu->rounded) {
                odMenu->rounded = reinterpret_cast<HWND>(lParam);
                RoundSmallCorners(odMenu->rounded, odMenu->sources->colors.border);
            }
            odMenu->arriving.StartLookUps();
            break;
        case kIconsArrived:
            for (auto& result : odMenu->arriving.Arrived())
                odMenu->kept.pictures.Keep(result.key, std::move(result.icon));
            return 0;
        default:
            break;
    }
    return passOn();
}

void Win32OwnerDrawHook::HookODMenu(const OwnerDrawSources& sources) {
    if (!odMenu) odMenu = std::make_unique<ODMenuModule>(window_);
    odMenu->sources.emplace(sources);
    ODMenuContext context{odMenu->state, *odMenu->sources, odMenu->records, odMenu->kept};
    ConvertMenuBar(window_, context);
    hooked_ = AddWindowProcedure(window_, &ODMenuWindowProc);
}

void Win32OwnerDrawHook::UnhookODMenu() {
    if (!hooked_) return;
    RemoveWindowProcedure(window_, &ODMenuWindowProc);
    hooked_ = false;
    odMenu.reset();
}

bool Win32OwnerDrawHook::AddImage(const std::string& key, const ImagePair& images) {
    return odMenu && odMenu->state.ImageCollection.emplace(key, images).second;
}

ChoiceModifier Win32OwnerDrawHook::ModifierOfChoice() const {
    return odMenu ? odMenu->keys.ModifierOfChoice() : ChoiceModifier::None;
}

bool Win32OwnerDrawHook::PopupClosedWithShellMenu() {
    return odMenu && odMenu->keys.TakePopUpAgain();
}

void Win32OwnerDrawHook::UseDarkMenus() {
    UseDarkMenusForProcess();
}

void Win32OwnerDrawHook::SetSkinPictures(platform::PicturePtr background,
                                         platform::PicturePtr selected) {
    if (!odMenu) return;
    odMenu->state.SkinBackgroundPicture = std::move(background);
    odMenu->state.SkinSelectedPicture = std::move(selected);
}

}  // namespace kov::win32
