// "¦x": asks every top-level window whose title holds a text to close.
#pragma once

#include <string_view>

#include "platform/top_windows.h"

namespace kov {

// The text is matched as given, letter case ignored; a text of blanks only closes nothing. The
// shell's desktop window and the program's own windows are never closed.
void CloseWindows(std::string_view titlePart, platform::TopWindows& windows);

}  // namespace kov
