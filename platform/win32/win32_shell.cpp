#include "platform/win32/win32_shell.h"

#include <objbase.h>

#include <vector>

#include "platform/win32/handles.h"

namespace kov::win32 {

namespace {

const char* OrNull(const std::optional<std::string>& text) {
    return text ? text->c_str() : nullptr;
}

}  // namespace

Win32Shell::~Win32Shell() {
    if (comEntered_) CoUninitialize();
}

void Win32Shell::EnterComApartment() {
    if (comTried_) return;
    comTried_ = true;
    comEntered_ =
        SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
}

std::intptr_t Win32Shell::ShellExecute(const platform::ShellRequest& request) {
    EnterComApartment();
    const auto result = ShellExecuteA(
        request.ownedByMainWindow ? owner_ : nullptr, OrNull(request.verb), request.file.c_str(),
        OrNull(request.parameters), request.directory.c_str(), request.show);
    return reinterpret_cast<std::intptr_t>(result);
}

std::uint32_t Win32Shell::StartProcess(const std::string& commandLine, int show) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(show);
    PROCESS_INFORMATION process{};
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');  // CreateProcessA may write into its command line
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return 0;
    }
    UniqueKernelObject thread(process.hThread);
    UniqueKernelObject owned(process.hProcess);
    return process.dwProcessId;
}

std::optional<std::string> Win32Shell::FindExecutable(const std::string& file) {
    EnterComApartment();
    char buffer[MAX_PATH] = {};
    const auto result = reinterpret_cast<std::intptr_t>(FindExecutableA(file.c_str(), "", buffer));
    if (result <= 32) return std::nullopt;
    return std::string(buffer, strnlen(buffer, sizeof buffer));
}

void Win32Shell::Sleep(unsigned milliseconds) {
    ::Sleep(milliseconds);
}

}  // namespace kov::win32
