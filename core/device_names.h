// Names Windows keeps for devices in every folder: "NUL", "CON", "COM1" and their kin.
#pragma once

#include <string_view>

namespace kov {

// True when the path's last part names a device: such a name with any extension, blanks or a
// colon after it still opens the device (Windows' file naming rules), which no file read may do.
bool IsDeviceName(std::string_view path);

}  // namespace kov
