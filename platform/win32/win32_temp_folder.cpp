#include "platform/win32/win32_temp_folder.h"

#include "platform/win32/windows_api.h"

#include "platform/win32/wide_text.h"

namespace kov::win32 {

std::string Win32TempFolder::UserTempFolder() {
    std::string folder = Narrow(
        TextOfNeededLength([](wchar_t* buffer, DWORD size) { return GetTempPathW(size, buffer); }));
    // Without its final backslash, as the program folder is written, unless it is a drive root.
    if (folder.size() > 3 && folder.ends_with('\\')) folder.pop_back();
    return folder;
}

}  // namespace kov::win32
