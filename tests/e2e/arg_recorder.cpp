// Stands in for the browser: appends the command line it was started with, in UTF-8, and a
// CR LF, to args.txt beside itself, so a test sees exactly what a program passed it. Programs
// started at once append side by side.
#include <windows.h>

#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return 1;
    std::wstring file(path, length);
    file = file.substr(0, file.find_last_of(L'\\') + 1) + L"args.txt";
    std::string line(4 * wcslen(GetCommandLineW()) + 2, '\0');
    line.resize(WideCharToMultiByte(CP_UTF8, 0, GetCommandLineW(), -1, line.data(),
                                    static_cast<int>(line.size()), nullptr, nullptr) -
                1);
    line += "\r\n";
    HANDLE out = CreateFileW(file.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                             nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (out == INVALID_HANDLE_VALUE) return 2;
    DWORD written = 0;
    WriteFile(out, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    CloseHandle(out);
    return 0;
}
