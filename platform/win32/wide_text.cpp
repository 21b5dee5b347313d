#include "platform/win32/wide_text.h"

#include "core/utf8.h"
#include "platform/win32/windows_api.h"

namespace kov::win32 {

std::wstring Widen(std::string_view text) {
    const auto wide = Utf8ToUtf16(text, true);
    return std::wstring(wide.begin(), wide.end());
}

std::string Narrow(std::wstring_view text) {
    return Utf16ToUtf8(std::u16string(text.begin(), text.end()), true);
}

std::wstring WidePath(std::string_view path) {
    auto wide = Widen(path);
    if (wide.size() < MAX_PATH || wide.starts_with(L"\\\\?\\")) return wide;
    // The long form takes the path as it stands, so "." and ".." are resolved first.
    const DWORD length = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
    if (length == 0) return wide;
    std::wstring full(length, L'\0');
    full.resize(GetFullPathNameW(wide.c_str(), length, full.data(), nullptr));
    if (full.starts_with(L"\\\\")) return L"\\\\?\\UNC\\" + full.substr(2);
    return L"\\\\?\\" + full;
}

std::string Win32AnsiCodePage::ToUtf8(std::string_view bytes) const {
    if (bytes.empty()) return {};
    const int size = static_cast<int>(bytes.size());
    const int length = MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, wide.data(), length);
    return Narrow(wide);
}

std::optional<std::string> Win32AnsiCodePage::FromUtf8(std::string_view text) const {
    if (text.empty() || GetACP() == CP_UTF8) return std::string(text);
    const auto wide = Widen(text);
    const int size = static_cast<int>(wide.size());
    // No best-fit: a character the code page lacks must not come back as a look-alike or "?".
    BOOL lost = FALSE;
    const int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), size, nullptr,
                                           0, nullptr, &lost);
    if (length <= 0 || lost) return std::nullopt;
    std::string bytes(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), size, bytes.data(), length,
                        nullptr, &lost);
    return bytes;
}

}  // namespace kov::win32
