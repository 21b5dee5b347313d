// Holds the file named on its command line open, sharing it with no one, as another program can
// lock a menu file. It makes "<file>.held" once the file is held, and lets go when a test removes
// that file again (or after a minute, so that nothing outlives a failed test for long).
#include <windows.h>

#include <shellapi.h>  // after windows.h, which it needs

#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    int count = 0;
    wchar_t** args = CommandLineToArgvW(GetCommandLineW(), &count);
    if (args == nullptr || count != 2) return 1;
    const std::wstring path = args[1], marker = path + L".held";
    HANDLE held = CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (held == INVALID_HANDLE_VALUE) return 2;
    CloseHandle(CreateFileW(marker.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
    for (int waited = 0;
         waited < 60000 && GetFileAttributesW(marker.c_str()) != INVALID_FILE_ATTRIBUTES;
         waited += 20) {
        Sleep(20);
    }
    CloseHandle(held);
    return 0;
}
