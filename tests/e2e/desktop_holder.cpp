// Keeps the Wine virtual desktop open between the test runs of the program.
// Wine closes its desktop when the last program using it ends; a desktop that
// comes and goes would cost a start-up each time and move keyboard focus.
// The window is never shown, so it takes no keys and appears in no screenshot.
#include <windows.h>

namespace {

LRESULT CALLBACK HolderProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = HolderProc;
    wc.hInstance = instance;
    wc.lpszClassName = "KOVDesktopHolder";
    if (!RegisterClassA(&wc)) return 1;
    if (!CreateWindowExA(0, wc.lpszClassName, "KOV desktop holder", WS_OVERLAPPED, 0, 0, 1, 1,
                         nullptr, nullptr, instance, nullptr))
        return 1;
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
    return 0;
}
