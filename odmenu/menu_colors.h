// The colours the owner-drawn menus are painted with, decided once per run from what the menu
// file sets, the Windows app theme and high contrast, in that order of rank: high contrast, an
// accessibility setting, outranks the file; the file outranks the app theme.
#pragma once

#include <optional>

#include "menufile/menu_settings.h"
#include "platform/system_look.h"

namespace kov {

struct MenuColors {
    RgbColor BGMenuColor = 0;
    RgbColor SelBGMenuColor = 0;
    RgbColor TextColor = 0;
    RgbColor SelTextColor = 0;
    // None: disabled items are embossed, separators etched, as in the light look.
    std::optional<RgbColor> grayedText;
    std::optional<RgbColor> separator;
    bool skins = false;
    // The parts Windows draws itself (frame, submenu arrows) dark too, with this border.
    bool darkMenus = false;
    std::optional<RgbColor> border;
    // The program's own grey pictures turned light: the background is dark (dark mode, a black
    // high-contrast theme, or the file's own colour) and no skin is drawn.
    bool darkPictures = false;
};

// Dark only for a four-byte REG_DWORD holding 0; missing or malformed values mean light.
bool AppsUseDarkTheme(const std::optional<platform::RegistryValue>& appsUseLightTheme);

MenuColors DecideMenuColors(const MenuSettings& settings, platform::SystemLook& look);

}  // namespace kov
