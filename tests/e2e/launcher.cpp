// Starts a program with an exact Win32 command line and returns its exit code.
// Wine builds a command line from its Unix argv and quotes arguments that hold blanks,
// so a command line like `KOV.exe   .\a.mnu  ` or one with its own quotes cannot be
// passed through wine directly. The text comes in the environment variable
// KOV_LAUNCH_COMMAND_LINE, which keeps every byte; it is removed before the child starts.
#include <windows.h>

#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    const char* name = "KOV_LAUNCH_COMMAND_LINE";
    const DWORD size = GetEnvironmentVariableA(name, nullptr, 0);
    if (size == 0) return 250;
    std::string commandLine(size, '\0');
    const DWORD length = GetEnvironmentVariableA(name, commandLine.data(), size);
    commandLine.resize(length);
    SetEnvironmentVariableA(name, nullptr);

    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process))
        return 251;
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD exitCode = 252;
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return static_cast<int>(exitCode);
}
