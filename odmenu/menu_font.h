// The menu font: seeded from the system's menu font, then changed by the font directives, and
// turned into the arguments of one font creation per measure or draw request.
#pragma once

#include <optional>
#include <string>

#include "menufile/menu_settings.h"
#include "platform/main_window.h"

namespace kov {

// Face, bold and italic of the system menu font; the size stays the main window's own.
void AdoptSystemMenuFont(MenuFont& font, const platform::SystemMenuFontInfo& system);

// The fields of a GDI logical font, as read from the system and as passed to CreateFontA.
struct LogFont {
    long height = 0;
    long width = 0;
    long escapement = 0;
    long orientation = 0;
    long weight = 0;
    unsigned char italic = 0;
    unsigned char underline = 0;
    unsigned char strikeOut = 0;
    unsigned char charSet = 0;
    unsigned char outPrecision = 0;
    unsigned char clipPrecision = 0;
    unsigned char quality = 0;
    unsigned char pitchAndFamily = 0;
    std::string faceName;

    bool operator==(const LogFont&) const = default;
};

// The font of one request at a DPI: the configured menu font once the menu file has been read,
// its points scaled by dpi / 72; else the system menu font as the system gives it for that DPI,
// scaled as at 96 DPI by 96 / 72. Rounded half to even.
LogFont MenuFontRequest(const LogFont& systemMenuFont, const std::optional<MenuFont>& menuFont,
                        int dpi);

}  // namespace kov
