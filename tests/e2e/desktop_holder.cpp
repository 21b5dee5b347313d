// Keeps the Wine virtual desktop open between the test runs of the program: Wine closes its
// desktop when the last program using it ends, and a desktop that comes and goes would cost a
// start-up each time and move keyboard focus. Its window is never shown, so it takes no keys
// and appears in no screenshot.
#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    if (!CreateWindowExA(0, "STATIC", "KOV desktop holder", WS_OVERLAPPED, 0, 0, 1, 1, nullptr,
                         nullptr, instance, nullptr))
        return 1;
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
    return 0;
}
