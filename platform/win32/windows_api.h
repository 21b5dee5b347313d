// <windows.h> without the macros whose names the platform interfaces use for their calls. Code
// here calls the ANSI entry points by their explicit names (AppendMenuA, MessageBoxA, ...).
#pragma once

#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#undef AppendMenu
#undef MessageBox
#undef ExpandEnvironmentStrings
#undef ReplaceFile
#undef DeleteFile
#undef ShellExecute
#undef FindExecutable
