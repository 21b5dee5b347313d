#include "platform/win32/win32_clipboard.h"

#include <cstring>

#include "platform/win32/handles.h"

namespace kov::win32 {

std::optional<std::string> Win32Clipboard::GetText() {
    OpenClipboardGuard clipboard(owner_);
    HANDLE data = GetClipboardData(CF_TEXT);
    if (data == nullptr) return std::nullopt;
    GlobalLockGuard lock(data);
    if (lock.data() == nullptr) return std::nullopt;
    // A block without its terminating NUL must not be read past its end.
    const auto size = GlobalSize(data);
    const auto* text = static_cast<const char*>(lock.data());
    return std::string(text, strnlen(text, size));
}

std::optional<std::vector<std::string>> Win32Clipboard::GetFiles() {
    if (!IsClipboardFormatAvailable(CF_HDROP)) return std::nullopt;
    OpenClipboardGuard clipboard(nullptr);
    if (!clipboard.opened()) return std::nullopt;
    auto* drop = static_cast<HDROP>(GetClipboardData(CF_HDROP));
    if (drop == nullptr) return std::vector<std::string>{};
    const UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
    std::vector<std::string> files;
    for (UINT i = 0; i < count; ++i) {
        // Asked for each name's length first, so no name is cut.
        const UINT length = DragQueryFileA(drop, i, nullptr, 0);
        std::string name(length + 1, '\0');
        const UINT copied = DragQueryFileA(drop, i, name.data(), length + 1);
        name.resize(copied <= length ? copied : length);
        files.push_back(std::move(name));
    }
    return files;
}

bool Win32Clipboard::SetText(std::string_view text) {
    const std::string_view untilNul = text.substr(0, text.find('\0'));
    UniqueGlobal block(GlobalAlloc(GMEM_MOVEABLE, untilNul.size() + 1));
    if (block) {
        GlobalLockGuard lock(block.get());
        if (lock.data() == nullptr) {
            block.reset();
        } else {
            std::memcpy(lock.data(), untilNul.data(), untilNul.size());
            static_cast<char*>(lock.data())[untilNul.size()] = '\0';
        }
    }
    OpenClipboardGuard clipboard(owner_);
    EmptyClipboard();
    if (!block || SetClipboardData(CF_TEXT, block.get()) == nullptr) return false;
    block.release();  // the clipboard owns it now
    return true;
}

}  // namespace kov::win32
