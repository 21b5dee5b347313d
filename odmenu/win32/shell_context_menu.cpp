#include "odmenu/win32/shell_context_menu.h"

#include <utility>

#include "platform/win32/com_apartment.h"
#include "platform/win32/wide_text.h"

namespace kov::win32 {

namespace {

constexpr UINT kFirstCommand = 1;
constexpr UINT kLastCommand = 0x7FFF;

// A shell extension is foreign code: whatever it throws ends here, as "nothing offered".
template <typename Call>
bool Guarded(Call call) {
    try {
        return call();
    } catch (...) {
        return false;
    }
}

}  // namespace

std::optional<ShellContextMenu> ShellContextMenu::For(HWND owner, const std::string& path) {
    const ComApartment apartment;
    IContextMenu* handler = nullptr;
    UniqueMenu menu(CreatePopupMenu());
    const bool offered = menu && Guarded([&] {
        PIDLIST_ABSOLUTE item = nullptr;
        if (FAILED(SHParseDisplayName(Widen(path).c_str(), nullptr, &item, 0, nullptr))) {
            return false;
        }
        IShellFolder* parent = nullptr;
        PCUITEMID_CHILD child = nullptr;
        bool done = SUCCEEDED(SHBindToParent(item, IID_IShellFolder,
                                             reinterpret_cast<void**>(&parent), &child)) &&
                    SUCCEEDED(parent->GetUIObjectOf(owner, 1, &child, IID_IContextMenu, nullptr,
                                                    reinterpret_cast<void**>(&handler)));
        if (parent != nullptr) parent->Release();
        CoTaskMemFree(item);
        const HRESULT added =
            done ? handler->QueryContextMenu(menu.get(), 0, kFirstCommand, kLastCommand, CMF_NORMAL)
                 : E_FAIL;
        return SUCCEEDED(added) && HRESULT_CODE(added) > 0;
    });
    if (!offered) {
        if (handler != nullptr) handler->Release();
        return std::nullopt;
    }
    return ShellContextMenu(handler, std::move(menu));
}

ShellContextMenu::ShellContextMenu(IContextMenu* handler, UniqueMenu menu)
    : handler_(handler), menu_(std::move(menu)) {}

ShellContextMenu::ShellContextMenu(ShellContextMenu&& other) noexcept
    : handler_(std::exchange(other.handler_, nullptr)), menu_(std::move(other.menu_)) {}

ShellContextMenu::~ShellContextMenu() {
    if (handler_ != nullptr) handler_->Release();
}

bool ShellContextMenu::ShowAndRun(HWND owner, POINT at) {
    const ComApartment apartment;
    const UINT chosen = static_cast<UINT>(
        TrackPopupMenuEx(menu_.get(), TPM_RETURNCMD | TPM_RECURSE | TPM_RIGHTBUTTON, at.x, at.y,
                         owner, nullptr));
    if (chosen < kFirstCommand) return false;
    return Guarded([&] {
        CMINVOKECOMMANDINFOEX invoke{};
        invoke.cbSize = sizeof invoke;
        invoke.fMask = CMIC_MASK_UNICODE | CMIC_MASK_PTINVOKE;
        invoke.hwnd = owner;
        invoke.lpVerb = MAKEINTRESOURCEA(chosen - kFirstCommand);
        invoke.lpVerbW = MAKEINTRESOURCEW(chosen - kFirstCommand);
        invoke.nShow = SW_SHOWNORMAL;
        invoke.ptInvoke = at;
        handler_->InvokeCommand(reinterpret_cast<CMINVOKECOMMANDINFO*>(&invoke));
        return true;
    });
}

}  // namespace kov::win32
