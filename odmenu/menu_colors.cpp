#include "odmenu/menu_colors.h"

#include "odmenu/picture_looks.h"

namespace kov {

namespace {

// Close to Windows' own dark menus, where its theme data does not say.
constexpr RgbColor kDarkBackground = 0x2B2B2B;
constexpr RgbColor kDarkText = 0xFFFFFF;
constexpr RgbColor kDarkSelection = 0x414141;
constexpr RgbColor kDarkGrayedText = 0x6D6D6D;
constexpr RgbColor kDarkSeparator = 0x808080;

}  // namespace

bool AppsUseDarkTheme(const std::optional<platform::RegistryValue>& appsUseLightTheme) {
    if (!appsUseLightTheme || appsUseLightTheme->type != platform::kRegistryDword ||
        appsUseLightTheme->data.size() != 4) {
        return false;
    }
    for (const unsigned char byte : appsUseLightTheme->data) {
        if (byte != 0) return false;
    }
    return true;
}

namespace {

MenuColors ChooseColors(const MenuSettings& settings, platform::SystemLook& look) {
    if (look.HighContrast()) {
        const auto system = look.SystemColors();
        return {system.menu,     system.highlight, system.menuText, system.highlightText,
                system.grayText, system.menuText,  false,           false,
                std::nullopt};
    }
    if (settings.ColorsSet || settings.UseSkin || !AppsUseDarkTheme(look.AppsUseLightTheme())) {
        return {settings.BGMenuColor, settings.SelBGMenuColor,
                settings.TextColor,   settings.SelTextColor,
                std::nullopt,         std::nullopt,
                settings.UseSkin,     false,
                std::nullopt};
    }
    const auto theme = look.DarkMenus();
    const RgbColor selection = theme.selection.value_or(kDarkSelection);
    const RgbColor text = theme.text.value_or(kDarkText);
    return {theme.background.value_or(kDarkBackground),
            selection,
            text,
            text,
            theme.grayedText.value_or(kDarkGrayedText),
            theme.separator.value_or(kDarkSeparator),
            false,
            true,
            selection};
}

}  // namespace

MenuColors DecideMenuColors(const MenuSettings& settings, platform::SystemLook& look) {
    MenuColors colors = ChooseColors(settings, look);
    colors.darkPictures = !colors.skins && IsDarkColor(colors.BGMenuColor);
    return colors;
}

}  // namespace kov
