// Program entry: the program with its owner-drawn menus.
#include "app/win32/run_program.h"
#include "odmenu/win32/od_menu_hook.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    return kov::win32::RunProgram(instance, [](HWND window) -> std::unique_ptr<kov::OwnerDrawHook> {
        return std::make_unique<kov::win32::Win32OwnerDrawHook>(window);
    });
}
