// The app theme, high contrast and the system's and dark menus' colours, as Windows reports them.
#pragma once

#include "platform/system_look.h"

namespace kov::win32 {

class Win32SystemLook : public platform::SystemLook {
  public:
    std::optional<platform::RegistryValue> AppsUseLightTheme() override;
    bool HighContrast() override;
    platform::SystemMenuColors SystemColors() override;
    // From the theme class of Windows' dark menus, where the system has it (Windows 10 1809
    // and later); uxtheme is looked up only when a dark popup is wanted.
    platform::DarkMenuTheme DarkMenus() override;
};

}  // namespace kov::win32
