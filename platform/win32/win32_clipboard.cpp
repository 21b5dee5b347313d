#include "platform/win32/win32_clipboard.h"

#include "platform/win32/windows_api.h"
// After windows.h, which it needs.
#include <shlobj.h>

#include <algorithm>
#include <cstring>

#include "core/utf8.h"
#include "platform/win32/handles.h"
#include "platform/win32/wide_text.h"

namespace kov::win32 {

std::optional<std::string> Win32Clipboard::GetText() {
    OpenClipboardGuard clipboard(owner_);
    // The system offers every text as Unicode, whatever format it was put in.
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    if (data == nullptr) return std::nullopt;
    GlobalLockGuard lock(data);
    if (lock.data() == nullptr) return std::nullopt;
    // A block without its terminating NUL must not be read past its end.
    const auto size = GlobalSize(data) / sizeof(wchar_t);
    const auto* text = static_cast<const wchar_t*>(lock.data());
    // Text, unlike a file name, has no use for an unpaired surrogate: it becomes U+FFFD, so that
    // no file it is written into turns invalid.
    return Utf16ToUtf8(std::u16string(text, text + wcsnlen(text, size)));
}

namespace {

// DragQueryFileW trusts the block: another program's malformed one (smaller than its header, its
// list's offset outside it, a list without the empty name that ends it) must not be read.
bool IsWellFormedFileList(HANDLE data) {
    const SIZE_T size = GlobalSize(data);
    GlobalLockGuard lock(data);
    if (lock.data() == nullptr || size < sizeof(DROPFILES)) return false;
    DROPFILES header;
    std::memcpy(&header, lock.data(), sizeof header);
    if (header.pFiles < sizeof(DROPFILES) || header.pFiles >= size) return false;
    const auto* list = static_cast<const unsigned char*>(lock.data()) + header.pFiles;
    const std::size_t unit = header.fWide ? sizeof(wchar_t) : 1;
    bool nameStarts = true;
    for (std::size_t at = 0; at + unit <= size - header.pFiles; at += unit) {
        const bool zero = std::all_of(list + at, list + at + unit, [](auto b) { return b == 0; });
        if (zero && nameStarts) return true;
        nameStarts = zero;
    }
    return false;
}

}  // namespace

std::optional<std::vector<std::string>> Win32Clipboard::GetFiles() {
    if (!IsClipboardFormatAvailable(CF_HDROP)) return std::nullopt;
    OpenClipboardGuard clipboard(nullptr);
    if (!clipboard.opened()) return std::nullopt;
    auto* drop = static_cast<HDROP>(GetClipboardData(CF_HDROP));
    if (drop == nullptr || !IsWellFormedFileList(drop)) return std::vector<std::string>{};
    const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    std::vector<std::string> files;
    for (UINT i = 0; i < count; ++i) {
        // Asked for each name's length first, so no name is cut.
        const UINT length = DragQueryFileW(drop, i, nullptr, 0);
        std::wstring name(length + 1, L'\0');
        const UINT copied = DragQueryFileW(drop, i, name.data(), length + 1);
        name.resize(copied <= length ? copied : length);
        files.push_back(Narrow(name));
    }
    return files;
}

bool Win32Clipboard::SetText(std::string_view text) {
    const auto wide = Widen(text.substr(0, text.find('\0')));
    const auto bytes = (wide.size() + 1) * sizeof(wchar_t);
    UniqueGlobal block(GlobalAlloc(GMEM_MOVEABLE, bytes));
    if (block) {
        GlobalLockGuard lock(block.get());
        if (lock.data() == nullptr) {
            block.reset();
        } else {
            std::memcpy(lock.data(), wide.c_str(), bytes);
        }
    }
    OpenClipboardGuard clipboard(owner_);
    EmptyClipboard();
    // Programs that ask for ANSI text get it converted by the system.
    if (!block || SetClipboardData(CF_UNICODETEXT, block.get()) == nullptr) return false;
    block.release();  // the clipboard owns it now
    return true;
}

}  // namespace kov::win32
