// A program showing a Save As dialog, as the program KOV is called over: argument 1 is the folder
// it opens in, argument 2 the file name typed in it. The path the user accepts is written, UTF-16,
// to argument 3.
#include <windows.h>
// After windows.h, which they need.
#include <commdlg.h>
#include <shellapi.h>

#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (arguments == nullptr || count < 4) return 1;
    std::wstring file(arguments[2]);
    file.resize(32768);
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrInitialDir = arguments[1];
    dialog.lpstrTitle = L"KOV test dialog";
    dialog.Flags = OFN_EXPLORER | OFN_NOCHANGEDIR;
    if (!GetSaveFileNameW(&dialog)) return 2;
    HANDLE out = CreateFileW(arguments[3], GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
    if (out == INVALID_HANDLE_VALUE) return 3;
    DWORD written = 0;
    WriteFile(out, file.c_str(), static_cast<DWORD>(2 * wcslen(file.c_str())), &written, nullptr);
    CloseHandle(out);
    return 0;
}
