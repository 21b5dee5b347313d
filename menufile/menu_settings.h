// The settings record that "@" lines of the menu file fill; read-only once the file is read.
#pragma once

#include <map>
#include <string>

#include "core/text.h"
#include "menufile/text_helpers.h"
#include "platform/pictures.h"

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
    // A colour directive ran: the file's colours then hold in dark mode too.
    bool ColorsSet = false;
    MenuFont font;
    std::string LanguageFile;
    bool UseSkin = false;
    // The skin pictures of normal and selected items; they start as the default skins.
    platform::PicturePtr SkinBackground;
    platform::PicturePtr SkinBGSelected;
    std::string StringBefore;
    std::string StringAfter;
    std::string StringDelimiter = " ";
    std::string ParameterDelimiter = "|";
    std::string ItemDelimiter = "\t";
    std::string MenuEditor;
    bool NoIcons = false;
    // Entries without a picture of their own show the shell's icon of what they open.
    bool ShellIcons = false;
    bool NoProgramMenu = false;
    bool NoHelp = false;
    bool NoSettings = false;
    bool NoEdit = false;
    bool NoAbout = false;
    bool NoExit = false;
    // How long a program that writes a submenu may take.
    unsigned GeneratorTimeout = 2000;
    // Folders chosen over an Explorer window open in it, as they do in a file dialog.
    bool FoldersInPlace = false;
};

// Pictures of "@CustomIcon" lines, keyed by the caption (up to its first TAB) of the items that
// show them; keys ignore letter case and the first line for a key wins.
struct IconFiles {
    std::string picture;
    std::string mask;  // may be empty
};
using CustomIconTable = std::map<std::string, IconFiles, LessNoCase>;

}  // namespace kov
