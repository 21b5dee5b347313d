// The seam between the program's UTF-8 and the wide ("W") entry points of Windows.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/text_encoding.h"

namespace kov::win32 {

// Unpaired surrogates (possible in file names) survive the round trip.
std::wstring Widen(std::string_view text);
std::string Narrow(std::wstring_view text);

// A path for the file calls: from MAX_PATH characters on, in its "\\?\" form, so that a file
// deep in a tree can still be found, read and written.
std::wstring WidePath(std::string_view path);

// The system's ANSI code page (GetACP), for files in neither UTF-8 nor UTF-16.
class Win32AnsiCodePage : public AnsiCodePage {
  public:
    std::string ToUtf8(std::string_view bytes) const override;
    std::optional<std::string> FromUtf8(std::string_view text) const override;
};

}  // namespace kov::win32
