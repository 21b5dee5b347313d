// Text for the console of the program that started this one: a GUI program has none of its own.
#pragma once

#include <string_view>

namespace kov::win32 {

// Writes UTF-8 text to standard output when that was redirected (a file or a pipe gets the UTF-8
// bytes, which is what other programs read today; PowerShell reads a pipe in its own
// [Console]::OutputEncoding, which the user sets to UTF-8), otherwise to the parent's console
// through the wide call, in any script; nothing when there is neither.
void WriteToParentConsole(std::string_view text);

}  // namespace kov::win32
