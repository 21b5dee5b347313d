#include "app/default_menu_file.h"

#include <cmath>
#include <string_view>

namespace kov {

std::string DefaultMenuFilePath(const platform::ProgramIdentity& identity) {
    return identity.folder + "\\" + identity.fileName + ".mnu";
}

namespace {

// A number as the print statement writes it: a blank in place of a plus sign, the digits, and
// one trailing blank.
std::string PrintFormat(double size) {
    const long long whole = std::llrint(size);
    std::string text = whole < 0 ? "" : " ";
    text += std::to_string(whole);
    text += ' ';
    return text;
}

std::string_view TrueFalse(bool flag) {
    return flag ? "True" : "False";
}

}  // namespace

std::string DefaultMenuFileText(const MenuFont& font) {
    const std::string lines[] = {
        "@BGMenuColor 255, 255, 255",
        "@SelBGMenuColor 200, 200, 200",
        "@TextColor 0, 0, 0",
        "@SelTextColor 255, 255, 255",
        ";@FontSize " + PrintFormat(font.FontSize),
        ";@FontBold " + std::string(TrueFalse(font.FontBold)),
        ";@FontItalic " + std::string(TrueFalse(font.FontItalic)),
        ";@FontName " + font.FontName,
        "@UseSkin 1",
        ";@SkinBackground .\\img\\xp2.jpg",
        ";@SkinBGSelected .\\img\\xpSel2.jpg",
        "@StringBefore \"",
        "@StringAfter \"",
        "@StringDelimiter \" \"",
        ";@LanguageFile .\\Svenska.lng",
        ";@ParameterDelimiter \xC2\xA4",
        ";@MenuEditor ..\\Win32pad\\win32pad.exe|\xC2\xA6m",
        ";@NoIcons 1",
        "",
        "-",
        "&Notepad (minimized)\tnotepad.exe||%system32%|2",
        "&Command prompt\tcmd.exe||%system32%",
        "GoogleSearch\thttp://www.google.com/search?q=\xC2\xA6s&num=10",
        "Start mail with clipboard\tmailto:someone@example.com?subject=Some subject&Body=\xC2\xA6s",
        "-",
        "Start &More than one\t%programfiles%\\Internet "
        "Explorer\\iexplore.exe\texplorer.exe||%windir%",
        "[&Folder",
        "\t&Command prompt\tcmd.exe||%system32%",
        "\t&Explorer\texplorer.exe||%windir%",
        "\t;This row and the next one is commented out",
        "\t;bbc on the web\thttp://www.bbc.co.uk",
        "\t[SubFolder",
        "\t\tInternet Explorer\t%programfiles%\\Internet Explorer\\iexplore.exe",
        "\t]",
        "]",
    };
    std::string text;
    for (const auto& line : lines) text += line + "\r\n";
    return text;
}

bool WriteDefaultMenuFile(platform::Files& files, const platform::ProgramIdentity& identity,
                          const AnsiCodePage& ansi, std::string& path, const MenuFont& font) {
    path = DefaultMenuFilePath(identity);
    // In the ANSI code page, as every editor of old reads it; in UTF-8 only where that code page
    // has no broken bar or cannot spell the font's name.
    return files.WriteNewFile(
        path, EncodeTextKeepingEverything(DefaultMenuFileText(font), TextEncoding::Ansi, ansi));
}

void SetDefaults(MenuSettings& settings, const NumberFormat& numbers) {
    settings.BGMenuColor = ParseRGB("255, 255, 255", numbers);
    settings.SelBGMenuColor = ParseRGB("200, 200, 200", numbers);
    settings.TextColor = ParseRGB("0, 0, 0", numbers);
    settings.SelTextColor = ParseRGB("0, 0, 0", numbers);
    settings.UseSkin = false;
    settings.StringDelimiter = " ";
    settings.ParameterDelimiter = "|";
    settings.ItemDelimiter = "\t";
    settings.NoProgramMenu = false;
    settings.NoHelp = false;
    settings.NoSettings = false;
    settings.NoEdit = false;
    settings.NoAbout = false;
    settings.NoExit = false;
}

}  // namespace kov
