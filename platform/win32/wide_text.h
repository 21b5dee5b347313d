// The seam between the program's UTF-8 and the wide ("W") entry points of Windows.
#pragma once

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>

#include "core/text_encoding.h"
#include "platform/win32/windows_api.h"

namespace kov::win32 {

// Unpaired surrogates (possible in file names) survive the round trip.
std::wstring Widen(std::string_view text);
std::string Narrow(std::wstring_view text);

// A path for the file calls: from MAX_PATH characters on, in its "\\?\" form, so that a file
// deep in a tree can still be found, read and written.
std::wstring WidePath(std::string_view path);

// Text a Windows call writes into the caller's buffer, asked for again with a bigger buffer until
// it fits, so no path comes back cut. call(buffer, size) returns the characters written (without
// the NUL) or, when the buffer is too small, its size or the size needed; 0 gives an empty text.
template <typename Call>
std::wstring TextOfNeededLength(Call call) {
    std::wstring buffer(MAX_PATH, L'\0');
    // Paths end at 32,767 characters; a call that always wants more is not asked forever.
    while (buffer.size() <= 0x10000) {
        const auto size = static_cast<DWORD>(buffer.size());
        const DWORD length = call(buffer.data(), size);
        if (length + 1 < size) {
            buffer.resize(length);
            return buffer;
        }
        buffer.assign(std::max<std::size_t>(2 * size, length + 2), L'\0');
    }
    return {};
}

// The system's ANSI code page (GetACP), for files in neither UTF-8 nor UTF-16.
class Win32AnsiCodePage : public AnsiCodePage {
  public:
    std::string ToUtf8(std::string_view bytes) const override;
    std::optional<std::string> FromUtf8(std::string_view text) const override;
};

}  // namespace kov::win32
