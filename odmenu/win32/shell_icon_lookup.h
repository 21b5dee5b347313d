// The shell's icon of an entry's target.
#pragma once

#include "platform/win32/windows_api.h"

#include "odmenu/win32/icon_pixels.h"
#include "odmenu/win32/icon_worker.h"
#include "platform/shell_icon_target.h"
#include "platform/win32/handles.h"

namespace kov::win32 {

// The shell's icon of the target, at least side pixels wide where the shell has one that large;
// null when the target cannot be found. Blocks for as long as the shell takes.
UniqueIcon LookUpShellIcon(const platform::ShellIconTarget& target, int side);

// The target's icon looked up by the icon worker, as pixels of the drawn side.
IconRequest ShellIconRequest(const platform::ShellIconTarget& target, int side);

}  // namespace kov::win32
