// Starts a program with an exact Win32 command line and returns its exit code.
// Wine builds a command line from its Unix argv and quotes arguments that hold blanks,
// so a command line like `KOV.exe   .\a.mnu  ` or one with its own quotes cannot be
// passed through wine directly. The text comes in the environment variable
// KOV_LAUNCH_COMMAND_LINE, which keeps every byte; it is removed before the child starts.
#include <windows.h>

#include <string>

// Wide, so that paths in any script arrive as they were written.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    const wchar_t* name = L"KOV_LAUNCH_COMMAND_LINE";
    const DWORD size = GetEnvironmentVariableW(name, nullptr, 0);
    if (size == 0) return 250;
    std::wstring commandLine(size, L'\0');
    const DWORD length = GetEnvironmentVariableW(name, commandLine.data(), size);
    commandLine.resize(length);
    SetEnvironmentVariableW(name, nullptr);

    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return 251;
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD exitCode = 252;
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return static_cast<int>(exitCode);
}
