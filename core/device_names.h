// Names Windows keeps for devices in every folder ("NUL", "CON", "COM1" and their kin), and the
// devices behind drive letters.
#pragma once

#include <string_view>

namespace kov {

// True when the path's last part names a device: such a name with any extension, blanks or a
// colon after it still opens the device (Windows' file naming rules), which no file read may do.
bool IsDeviceName(std::string_view path);

// True when a drive letter's device (what the system's DOS-device query names for "C:") is a
// volume of a local disk, fixed or removable, or a substitute for a folder on another drive
// letter; network redirectors, disc drives and floppies are not, so nothing waits on them.
bool IsLocalDiskDevice(std::string_view dosDeviceTarget);

}  // namespace kov
