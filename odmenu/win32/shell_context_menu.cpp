#include "odmenu/win32/shell_context_menu.h"

#include <atomic>
#include <chrono>

#include "platform/win32/system_function.h"
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

// What the shell opens from the menu on threads of its own (a Properties sheet) holds this
// reference to the process while it is open, so that the process does not end under it.
class ProcessReference final : public IUnknown {
  public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (object == nullptr) return E_POINTER;
        *object = IsEqualIID(iid, IID_IUnknown) ? this : nullptr;
        if (*object == nullptr) return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++count_; }
    ULONG STDMETHODCALLTYPE Release() override { return --count_; }
    bool Held() const { return count_ > 1; }

  private:
    std::atomic<ULONG> count_{1};
};
ProcessReference processReference;

void LendProcessReference() {
    using SetReference = void(WINAPI*)(IUnknown*);
    // Where the shell's own library lacks it, the newer one has it.
    for (const wchar_t* library : {L"shlwapi.dll", L"shcore.dll"}) {
        if (const auto set = SystemFunction<SetReference>(library, "SetProcessReference")) {
            set(&processReference);
            return;
        }
    }
}

BOOL CALLBACK FindShownWindow(HWND window, LPARAM found) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != GetCurrentProcessId() || !IsWindowVisible(window)) return TRUE;
    *reinterpret_cast<bool*>(found) = true;
    return FALSE;
}

bool ShowsAWindow() {
    bool found = false;
    EnumWindows(&FindShownWindow, reinterpret_cast<LPARAM>(&found));
    return found;
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
    LendProcessReference();
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

void ShellContextMenu::WaitForItsWindows() {
    // A reference the shell never gives back must not keep an invisible program running: once
    // nothing of the process shows, the wait ends after a while.
    constexpr auto kGrace = std::chrono::seconds(10);
    auto lastShown = std::chrono::steady_clock::now();
    while (processReference.Held()) {
        if (ShowsAWindow()) {
            lastShown = std::chrono::steady_clock::now();
        } else if (std::chrono::steady_clock::now() - lastShown > kGrace) {
            return;
        }
        // The shell's threads may call into objects of this thread's apartment.
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
}

}  // namespace kov::win32
