// The floor of the start-to-popup benchmark: the least a Win32 program must do to show a
// popup menu at the cursor (one invisible window, one item). KOV's start-up is measured
// against this, so the difference is KOV's own work and not Wine's process start.
// The exit code is the chosen identifier (0 when dismissed).
#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = instance;
    wc.lpszClassName = "FloorPopup";
    if (!RegisterClassA(&wc)) return -1;
    HWND window = CreateWindowExA(0, wc.lpszClassName, "Floor", WS_OVERLAPPED, 0, 0, 100, 100,
                                  nullptr, nullptr, instance, nullptr);
    if (!window) return -1;
    HMENU menu = CreatePopupMenu();
    AppendMenuA(menu, MF_STRING, 1, "Floor");
    POINT cursor = {};
    GetCursorPos(&cursor);
    SetForegroundWindow(window);
    const int chosen = static_cast<int>(
        TrackPopupMenuEx(menu, TPM_RETURNCMD, cursor.x, cursor.y, window, nullptr));
    DestroyMenu(menu);
    DestroyWindow(window);
    return chosen;
}
