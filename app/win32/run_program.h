// The program's life from start to end, with the owner-draw hook its caller chooses.
#pragma once

#include <memory>

#include "odmenu/owner_draw_hook.h"
#include "platform/win32/windows_api.h"

namespace kov::win32 {

// Makes the hook for the main window; the hook ends before the window does.
using MakeOwnerDrawHook = std::unique_ptr<OwnerDrawHook> (*)(HWND window);

// Reads the command line itself; returns the program's exit code.
int RunProgram(HINSTANCE instance, MakeOwnerDrawHook makeOwnerDraw);

}  // namespace kov::win32
