#include "platform/win32/win32_shell.h"

#include <shlwapi.h>

#include <vector>

#include "platform/win32/handles.h"
#include "platform/win32/wide_text.h"

namespace kov::win32 {

namespace {

std::optional<std::wstring> Widen(const std::optional<std::string>& text) {
    if (!text) return std::nullopt;
    return win32::Widen(*text);
}

// The shell cannot open a path of MAX_PATH characters or more; the short names of its folders
// often make it fit. Each name is looked up on its own, as the long form finds it. The file
// keeps its long name where that fits, because a short name cuts the extension to three
// letters, and the extension decides which program opens the file.
std::wstring ShellPath(const std::string& file) {
    auto wide = win32::Widen(file);
    if (wide.size() < MAX_PATH) return wide;
    std::wstring shortForm;
    std::size_t start = 0;
    for (auto slash = wide.find(L'\\'); start <= wide.size(); slash = wide.find(L'\\', start)) {
        if (slash == std::wstring::npos) slash = wide.size();
        const auto name = wide.substr(start, slash - start);
        WIN32_FIND_DATAW data;
        UniqueFind find(start == 0
                            ? INVALID_HANDLE_VALUE
                            : FindFirstFileW(WidePath(Narrow(shortForm + name)).c_str(), &data));
        const bool lastFits = slash == wide.size() && (shortForm + name).size() < MAX_PATH;
        shortForm += find && data.cAlternateFileName[0] != L'\0' && !lastFits
                         ? data.cAlternateFileName
                         : name;
        if (slash < wide.size()) shortForm += L'\\';
        start = slash + 1;
    }
    return shortForm.size() < MAX_PATH ? shortForm : wide;
}

const wchar_t* OrNull(const std::optional<std::wstring>& text) {
    return text ? text->c_str() : nullptr;
}

}  // namespace

void Win32Shell::EnterComApartment() {
    if (!com_) com_.emplace();
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
    const auto wide = win32::Widen(file);
    const auto result = reinterpret_cast<std::intptr_t>(FindExecutableW(wide.c_str(), L"", buffer));
    if (result <= 32) return std::nullopt;
    const auto length = wcsnlen(buffer, MAX_PATH);
    if (length + 1 < MAX_PATH) return Narrow({buffer, length});
    // The answer fills the fixed buffer this call allows, so it may be cut: the association of
    // the file's type is asked again, for its whole length.
    const auto whole = TextOfNeededLength([&](wchar_t* text, DWORD size) -> DWORD {
        DWORD needed = size;
        const HRESULT asked =
            AssocQueryStringW(ASSOCF_NOTRUNCATE, ASSOCSTR_EXECUTABLE,
                              PathFindExtensionW(wide.c_str()), nullptr, text, &needed);
        if (asked == E_POINTER) return needed;
        return SUCCEEDED(asked) ? static_cast<DWORD>(wcsnlen(text, size)) : 0;
    });
    return Narrow(whole.empty() ? std::wstring_view(buffer, length) : std::wstring_view(whole));
}

void Win32Shell::Sleep(unsigned milliseconds) {
    ::Sleep(milliseconds);
}

}  // namespace kov::win32
