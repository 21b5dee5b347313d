// Stands in for the browser: appends the command line it was started with, in UTF-16, and a
// CR LF, to args.txt beside itself, so a test sees exactly what a program passed it. Programs
// started at once append side by side.
#include <windows.h>

#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return 1;
    const std::wstring file = std::wstring(path, wcsrchr(path, L'\\') + 1) + L"args.txt";
    const std::wstring line = GetCommandLineW() + std::wstring(L"\r\n");
    HANDLE out = CreateFileW(file.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                             nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (out == INVALID_HANDLE_VALUE) return 2;
    DWORD written = 0;
    WriteFile(out, line.data(), static_cast<DWORD>(2 * line.size()), &written, nullptr);
    CloseHandle(out);
    return 0;
}
