#include "platform/win32/win32_shell.h"

#include <objbase.h>

#include <vector>

#include "platform/win32/handles.h"
#include "platform/win32/wide_text.h"

namespace kov::win32 {

namespace {

std::optional<std::wstring> Widen(const std::optional<std::string>& text) {
    if (!text) return std::nullopt;
    return win32::Widen(*text);
}

// The shell cannot open a path of MAX_PATH characters or more; its short form often fits.
std::wstring ShellPath(const std::string& file) {
    auto wide = win32::Widen(file);
    if (wide.size() < MAX_PATH) return wide;
    const auto longForm = WidePath(file);
    const DWORD length = GetShortPathNameW(longForm.c_str(), nullptr, 0);
    if (length == 0) return wide;
    std::wstring shortForm(length, L'\0');
    shortForm.resize(GetShortPathNameW(longForm.c_str(), shortForm.data(), length));
    if (shortForm.starts_with(L"\\\\?\\UNC\\")) {
        shortForm.replace(0, 8, L"\\\\");
    } else if (shortForm.starts_with(L"\\\\?\\")) {
        shortForm.erase(0, 4);
    }
    return shortForm.size() < MAX_PATH ? shortForm : wide;
}

const wchar_t* OrNull(const std::optional<std::wstring>& text) {
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
    const auto verb = Widen(request.verb);
    const auto parameters = Widen(request.parameters);
    const auto result = ShellExecuteW(request.ownedByMainWindow ? owner_ : nullptr, OrNull(verb),
                                      ShellPath(request.file).c_str(), OrNull(parameters),
                                      win32::Widen(request.directory).c_str(), request.show);
    return reinterpret_cast<std::intptr_t>(result);
}

std::uint32_t Win32Shell::StartProcess(const std::string& commandLine, int show) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(show);
    PROCESS_INFORMATION process{};
    auto line = win32::Widen(commandLine);  // CreateProcessW may write into its command line
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return 0;
    }
    UniqueKernelObject thread(process.hThread);
    UniqueKernelObject owned(process.hProcess);
    return process.dwProcessId;
}

std::optional<std::string> Win32Shell::FindExecutable(const std::string& file) {
    EnterComApartment();
    wchar_t buffer[MAX_PATH] = {};
    const auto result =
        reinterpret_cast<std::intptr_t>(FindExecutableW(win32::Widen(file).c_str(), L"", buffer));
    if (result <= 32) return std::nullopt;
    return Narrow({buffer, wcsnlen(buffer, MAX_PATH)});
}

void Win32Shell::Sleep(unsigned milliseconds) {
    ::Sleep(milliseconds);
}

}  // namespace kov::win32
