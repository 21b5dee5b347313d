// A real menu read back as the text the recording fake dumps.
#pragma once

#include "platform/win32/windows_api.h"

#include <cstdint>
#include <functional>
#include <string>

namespace kov::win32::testing {

// "ITEM 3 Notepad", "GRAYED 7 Archive", "SEPARATOR", "POPUP Tools" followed by its entries,
// indented by nesting. describe, when given, replaces an item's identifier in the text.
std::string DumpMenu(HMENU menu, const std::function<std::string(std::int32_t)>& describe = {},
                     int depth = 0);

}  // namespace kov::win32::testing
