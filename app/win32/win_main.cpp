// Program entry: one running instance, the main window, the run cycle, the message loop.
#include "platform/win32/windows_api.h"

#include <cstdio>
#include <cstdlib>

#include "app/command_line.h"
#include "app/main_form.h"
#include "app/single_instance.h"
#include "app/win32/main_window.h"
#include "odmenu/win32/od_menu_hook.h"
#ifdef KOV_SYSTEM_DRAWN_BENCH
#include "bench/system_drawn_hook.h"
#endif
#include "platform/win32/handles.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_clipboard.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_environment.h"
#include "platform/win32/win32_files.h"
#include "platform/win32/win32_folders.h"
#include "platform/win32/win32_menus.h"
#include "platform/win32/win32_message_boxes.h"
#include "platform/win32/win32_pictures.h"
#include "platform/win32/win32_shell.h"
#include "platform/win32/win32_temp_folder.h"
#include "platform/win32/win32_top_windows.h"

namespace {

// Tests read the chosen identifier from here to see it reach the dispatcher.
void TraceChoice(const kov::MainForm& form) {
    const char* traceFile = std::getenv("KOV_TRACE_FILE");
    if (traceFile == nullptr || !form.ChosenCommand()) return;
    if (std::FILE* trace = std::fopen(traceFile, "a")) {
        std::fprintf(trace, "chosen %ld\n", static_cast<long>(*form.ChosenCommand()));
        std::fclose(trace);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    using namespace kov;
    // A second start while one runs ends at once, without a word.
    const auto identity = win32::CurrentProgramIdentity();
    win32::UniqueKernelObject instanceMutex(
        CreateMutexW(nullptr, FALSE, win32::Widen(SingleInstanceName(identity.fileName)).c_str()));
    if (GetLastError() == ERROR_ALREADY_EXISTS) return 0;

    win32::Win32Menus menus;
    win32::Win32Files files;
    win32::Win32MessageBoxes messages;
    win32::Win32Environment environment;
    win32::Win32Clipboard clipboard;
    win32::Win32Shell shell;
    win32::Win32TopWindows windows;
    win32::Win32Clock clock;
    win32::Win32Pictures pictures;
    win32::Win32TempFolder tempFolder;
    const win32::Win32AnsiCodePage ansi;
    win32::Win32MainWindow window(instance);
#ifdef KOV_SYSTEM_DRAWN_BENCH
    bench::SystemDrawnMenus ownerDraw;
#else
    win32::Win32OwnerDrawHook ownerDraw(window.Handle());
#endif
    win32::Win32Folders folders;
    platform::Platform platform{menus,    files,      messages, environment, identity,
                                folders,  clipboard,  shell,    windows,     clock,
                                pictures, tempFolder, ansi};
    messages.SetOwner(window.Handle());
    clipboard.SetOwner(window.Handle());
    shell.SetOwner(window.Handle());

    MainForm form(platform, ownerDraw, window, win32::UserNumberFormat());
    window.OnClose([&form] { return form.FormUnload(); });
    window.OnInitMenuPopup([&form](platform::MenuHandle menu) { form.InitMenuPopup(menu); });
    form.FormLoad(CommandLineArguments(win32::Narrow(GetCommandLineW())));
    TraceChoice(form);
    // Still open after the popup: Settings was chosen, and the window is the settings window.
    if (window.Exists() && !window.Hidden()) window.ShowAsSettingsWindow();

    MSG message;
    while (window.Exists() && GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (window.PreTranslate(message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
