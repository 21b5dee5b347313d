#include "core/device_names.h"

#include "core/text.h"

namespace kov {

bool IsDeviceName(std::string_view path) {
    auto name = path;
    if (name.ends_with(':')) name.remove_suffix(1);  // "COM1:"
    if (const auto slash = name.find_last_of("\\/:"); slash != std::string_view::npos) {
        name.remove_prefix(slash + 1);
    }
    name = name.substr(0, name.find('.'));
    while (name.ends_with(' ')) name.remove_suffix(1);
    for (const std::string_view device : {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"}) {
        if (EqualsNoCase(name, device)) return true;
    }
    // COM1 to COM9 and LPT1 to LPT9, also with a superscript 1, 2 or 3.
    if (name.size() < 4 || !(StartsWithNoCase(name, "COM") || StartsWithNoCase(name, "LPT"))) {
        return false;
    }
    const auto digit = name.substr(3);
    return (digit.size() == 1 && digit[0] >= '1' && digit[0] <= '9') || digit == "\xC2\xB9" ||
           digit == "\xC2\xB2" || digit == "\xC2\xB3";
}

bool IsLocalDiskDevice(std::string_view dosDeviceTarget) {
    if (StartsWithNoCase(dosDeviceTarget, "\\Device\\HarddiskVolume")) return true;
    // "subst X: C:\folder" gives "\??\C:\folder"; a substitute for a share "\??\UNC\...".
    return dosDeviceTarget.size() >= 7 && dosDeviceTarget.starts_with("\\??\\") &&
           dosDeviceTarget[5] == ':';
}

}  // namespace kov
