// The settings record that "@" lines of the menu file fill; read-only once the file is read.
#pragma once

#include <string>

#include "menufile/text_helpers.h"

namespace kov {

// The main window's font, which the font directives change and the owner-drawn menus use.
struct MenuFont {
    std::string FontName;
    double FontSize = 8;  // points; the main window's design font size
    bool FontBold = false;
    bool FontItalic = false;
};

struct MenuSettings {
    RgbColor BGMenuColor = 0;
    RgbColor SelBGMenuColor = 0;
    RgbColor TextColor = 0;
    RgbColor SelTextColor = 0;
    MenuFont font;
    std::string LanguageFile;
    bool UseSkin = false;
    std::string StringBefore;
    std::string StringAfter;
    std::string StringDelimiter = " ";
    std::string ParameterDelimiter = "|";
    std::string ItemDelimiter = "\t";
    std::string MenuEditor;
    bool NoIcons = false;
    bool NoProgramMenu = false;
    bool NoHelp = false;
    bool NoSettings = false;
    bool NoEdit = false;
    bool NoAbout = false;
    bool NoExit = false;
};

}  // namespace kov
