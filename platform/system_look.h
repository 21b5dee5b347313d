// What Windows says about how programs should look: the app theme, high contrast, the system's
// colours and the colours of its own dark menus. Read once per run, before the popup.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace kov::platform {

// A colour as GDI stores it: 0x00BBGGRR.
using Color = std::uint32_t;

// A registry value as stored: its type and its bytes.
struct RegistryValue {
    unsigned long type = 0;
    std::vector<unsigned char> data;
};
inline constexpr unsigned long kRegistryDword = 4;

// The system colours that high contrast themes set.
struct SystemMenuColors {
    Color menu = 0;
    Color menuText = 0;
    Color highlight = 0;
    Color highlightText = 0;
    Color grayText = 0;
};

// What the theme data of Windows' dark menus holds; each may be missing.
struct DarkMenuTheme {
    std::optional<Color> background;
    std::optional<Color> text;
    std::optional<Color> selection;
    std::optional<Color> grayedText;
    std::optional<Color> separator;
};

class SystemLook {
  public:
    virtual ~SystemLook() = default;
    // AppsUseLightTheme under HKCU\Software\Microsoft\Windows\CurrentVersion\Themes\Personalize;
    // none when it is missing.
    virtual std::optional<RegistryValue> AppsUseLightTheme() = 0;
    virtual bool HighContrast() = 0;
    virtual SystemMenuColors SystemColors() = 0;
    virtual DarkMenuTheme DarkMenus() = 0;
};

}  // namespace kov::platform
