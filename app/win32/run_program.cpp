// The program's life: one running instance, the main window, the run cycle, the message loop.
#include "app/win32/run_program.h"

#include <cstdio>
#include <cstdlib>

#include "app/command_line.h"
#include "app/main_form.h"
#include "app/menu_check.h"
#include "app/single_instance.h"
#include "app/win32/console_output.h"
#include "app/win32/main_window.h"
#include "odmenu/win32/shell_context_menu.h"
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
#include "platform/win32/win32_program_runner.h"
#include "platform/win32/win32_shell.h"
#include "platform/win32/win32_system_look.h"
#include "platform/win32/win32_temp_folder.h"
#include "platform/win32/win32_top_windows.h"
#include "platform/win32/win32_window_in_front.h"

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

namespace kov::win32 {

namespace {

// The real implementations of everything the logic asks of Windows.
struct Win32Platform {
    Win32Platform(platform::ProgramIdentity identity, platform::WindowInFront front)
        : platform{menus,
                   files,
                   messages,
                   environment,
                   std::move(identity),
                   folders,
                   clipboard,
                   shell,
                   windows,
                   clock,
                   pictures,
                   tempFolder,
                   ansi,
                   look,
                   runner,
                   std::move(front),
                   place} {}

    Win32Menus menus;
    Win32Files files;
    Win32MessageBoxes messages;
    Win32Environment environment;
    Win32Clipboard clipboard;
    Win32Shell shell;
    Win32TopWindows windows;
    Win32Clock clock;
    Win32Pictures pictures;
    Win32TempFolder tempFolder;
    const Win32AnsiCodePage ansi;
    Win32Folders folders;
    Win32SystemLook look;
    Win32ProgramRunner runner;
    Win32PlaceInFront place;
    platform::Platform platform;
};

}  // namespace

int RunProgram(HINSTANCE instance, MakeOwnerDrawHook makeOwnerDraw) {
    // Before anything of KOV's can come to the front.
    auto front = NoteWindowInFront();
    const auto identity = CurrentProgramIdentity();
    const auto arguments = CommandLineArguments(Narrow(GetCommandLineW()));
    // Checking reads and writes nothing a running instance uses, so it need not wait for one.
    if (const auto check = CheckSwitch(arguments)) {
        Win32Platform system(identity, {});
        std::string output;
        const int problems =
            CheckMenuFile(system.platform, UserNumberFormat(), check->menuFile, output);
        WriteToParentConsole(output);
        return problems;
    }
    // A second start while one runs ends at once, without a word.
    UniqueKernelObject instanceMutex(
        CreateMutexW(nullptr, FALSE, Widen(SingleInstanceName(identity.fileName)).c_str()));
    if (GetLastError() == ERROR_ALREADY_EXISTS) return 0;

    Win32Platform system(identity, std::move(front));
    Win32MainWindow window(instance, identity.fileName);
    const auto ownerDraw = makeOwnerDraw(window.Handle());
    system.messages.SetOwner(window.Handle());
    system.clipboard.SetOwner(window.Handle());
    system.shell.SetOwner(window.Handle());

    MainForm form(system.platform, *ownerDraw, window, UserNumberFormat());
    window.OnClose([&form] { return form.FormUnload(); });
    window.OnInitMenuPopup([&form](platform::MenuHandle menu) { form.InitMenuPopup(menu); });
    form.FormLoad(arguments);
    TraceChoice(form);
    // Still open after the popup: Settings was chosen, and the window is the settings window.
    if (window.Exists() && !window.Hidden()) window.ShowAsSettingsWindow();

    MSG message;
    while (window.Exists() && GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (window.PreTranslate(message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    // The next start need not wait for a Properties sheet to close.
    instanceMutex.reset();
    ShellContextMenu::WaitForItsWindows();
    return 0;
}

}  // namespace kov::win32
