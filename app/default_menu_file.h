// The sample menu file offered when none exists, and the defaults set at every start.
#pragma once

#include <string>

#include "core/text_encoding.h"
#include "core/ui_strings.h"
#include "menufile/menu_settings.h"
#include "platform/files.h"
#include "platform/program_identity.h"

namespace kov {

// The program folder's menu file, named after the program file.
std::string DefaultMenuFilePath(const platform::ProgramIdentity& identity);

// The sample's 35 lines, each ended by CR LF; lines 5 to 8 carry the given font.
std::string DefaultMenuFileText(const MenuFont& font);

// Sets path to the program folder's menu file and writes the sample there. False when the file
// could not be written (completely).
bool WriteDefaultMenuFile(platform::Files& files, const platform::ProgramIdentity& identity,
                          const AnsiCodePage& ansi, std::string& path, const MenuFont& font);

// Colours, skin switch, delimiters and program-submenu switches of the settings record; the font,
// the clipboard-list texts, the editor and the language file are left alone.
void SetDefaults(MenuSettings& settings, const NumberFormat& numbers);

}  // namespace kov
