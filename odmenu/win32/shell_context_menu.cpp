#include "odmenu/win32/shell_context_menu.h"

#include "platform/win32/wide_text.h"

namespace kov::win32 {

namespace {

constexpr UINT kFirstCommand = 1;
constexpr UINT kLastCommand = 0x7FFF;

// The menu being shown; one at a time on the window's thread.
ShellContextMenu* shown = nullptr;

// See the header: only this runtime's C++ exceptions are stopped here.
template <typename Call>
bool Guarded(Call call) {
    try {
        return call();
    } catch (...) {
        return false;
    }
}

struct FreeItemList {
    void operator()(ITEMIDLIST* list) const { CoTaskMemFree(list); }
};

}  // namespace

std::unique_ptr<ShellContextMenu> ShellContextMenu::For(HWND owner, const std::string& path) {
    std::unique_ptr<ShellContextMenu> shell(new ShellContextMenu());
    const bool offered =
        shell->menu_ && Guarded([&] {
            PIDLIST_ABSOLUTE parsed = nullptr;
            if (FAILED(SHParseDisplayName(Widen(path).c_str(), nullptr, &parsed, 0, nullptr))) {
                return false;
            }
            const std::unique_ptr<ITEMIDLIST, FreeItemList> item(parsed);
            PCUITEMID_CHILD child = nullptr;
            const auto parent = Receive<IShellFolder>([&](IShellFolder** folder) {
                return SHBindToParent(item.get(), IID_IShellFolder,
                                      reinterpret_cast<void**>(folder), &child);
            });
            if (!parent) return false;
            shell->handler_ = Receive<IContextMenu>([&](IContextMenu** menu) {
                return parent->GetUIObjectOf(owner, 1, &child, IID_IContextMenu, nullptr,
                                             reinterpret_cast<void**>(menu));
            });
            if (!shell->handler_) return false;
            const HRESULT added = shell->handler_->QueryContextMenu(
                shell->menu_.get(), 0, kFirstCommand, kLastCommand, CMF_NORMAL);
            return SUCCEEDED(added) && HRESULT_CODE(added) > 0;
        });
    if (!offered) return nullptr;
    shell->messages3_ = Receive<IContextMenu3>([&](IContextMenu3** menu) {
        return shell->handler_->QueryInterface(IID_IContextMenu3, reinterpret_cast<void**>(menu));
    });
    shell->messages_ = Receive<IContextMenu2>([&](IContextMenu2** menu) {
        return shell->handler_->QueryInterface(IID_IContextMenu2, reinterpret_cast<void**>(menu));
    });
    return shell;
}

ShellContextMenu::~ShellContextMenu() {
    if (shown == this) shown = nullptr;
}

bool ShellContextMenu::ShowAndRun(HWND owner, POINT at) {
    shown = this;
    const UINT chosen = static_cast<UINT>(TrackPopupMenuEx(
        menu_.get(), TPM_RETURNCMD | TPM_RECURSE | TPM_RIGHTBUTTON, at.x, at.y, owner, nullptr));
    shown = nullptr;
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

bool ShellContextMenu::MenuMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (shown == nullptr) return false;
    result = 0;
    Guarded([&] {
        if (shown->messages3_) {
            return SUCCEEDED(shown->messages3_->HandleMenuMsg2(message, wParam, lParam, &result));
        }
        return shown->messages_ && message != WM_MENUCHAR &&
               SUCCEEDED(shown->messages_->HandleMenuMsg(message, wParam, lParam));
    });
    return true;
}

}  // namespace kov::win32
