#include "commands/close_windows.h"

#include <vector>

#include "core/text.h"

namespace kov {

void CloseWindows(std::string_view titlePart, platform::TopWindows& windows) {
    if (TrimSpaces(titlePart).empty()) return;
    // Collected first and closed after, so windows that go away meanwhile do not disturb the
    // enumeration.
    std::vector<platform::WindowHandle> MatchingWindows;
    for (const auto& window : windows.Enumerate()) {
        if (window.shell || window.own) continue;
        if (ContainsNoCase(window.title, titlePart)) MatchingWindows.push_back(window.handle);
    }
    for (const auto handle : MatchingWindows) windows.PostClose(handle);
}

}  // namespace kov
