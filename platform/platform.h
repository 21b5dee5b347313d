// Everything the logic asks of Windows, handed down by reference from the one place that owns the
// real implementations (or, in tests, the fakes).
#pragma once

#include "core/text_encoding.h"
#include "platform/clipboard.h"
#include "platform/clock.h"
#include "platform/environment.h"
#include "platform/files.h"
#include "platform/folders.h"
#include "platform/menus.h"
#include "platform/message_boxes.h"
#include "platform/pictures.h"
#include "platform/program_identity.h"
#include "platform/program_runner.h"
#include "platform/shell.h"
#include "platform/system_look.h"
#include "platform/temp_folder.h"
#include "platform/top_windows.h"
#include "platform/window_in_front.h"

namespace kov::platform {

struct Platform {
    Menus& menus;
    Files& files;
    MessageBoxes& messages;
    Environment& environment;
    ProgramIdentity identity;
    Folders& folders;
    // What commands reach: the clipboard, the shell, other windows, the clock, pictures.
    Clipboard& clipboard;
    Shell& shell;
    TopWindows& windows;
    Clock& clock;
    Pictures& pictures;
    TempFolder& tempFolder;
    // Files in neither UTF-8 nor UTF-16 are read and written in it.
    const AnsiCodePage& ansi;
    SystemLook& look;
    // Programs that write submenus.
    ProgramRunner& runner;
    // The window KOV was called over, and the questions that can be asked of it.
    WindowInFront front;
    PlaceInFront& place;

    // An error message titled with the program's name.
    void ShowError(std::string_view text) {
        messages.MessageBox(text, identity.fileName, message_box::kOk | message_box::kIconError);
    }
};

}  // namespace kov::platform
