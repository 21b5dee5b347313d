#include "platform/win32/win32_environment.h"

#include "platform/win32/windows_api.h"

#include <vector>

#include "platform/win32/wide_text.h"

namespace kov::win32 {

std::optional<std::string> Win32Environment::ExpandEnvironmentStrings(const std::string& text) {
    // Asked for the size first, so a long expansion is never cut short.
    const auto wide = Widen(text);
    DWORD size = ExpandEnvironmentStringsW(wide.c_str(), nullptr, 0);
    for (int attempt = 0; size > 0 && attempt < 3; ++attempt) {
        std::vector<wchar_t> buffer(size + 1, L'\0');
        const DWORD needed = ExpandEnvironmentStringsW(wide.c_str(), buffer.data(), size + 1);
        if (needed == 0) break;
        if (needed <= size + 1) return Narrow(buffer.data());
        size = needed;  // the environment grew in between
    }
    return std::nullopt;
}

std::wstring ProgramFilePath() {
    return TextOfNeededLength(
        [](wchar_t* buffer, DWORD size) { return GetModuleFileNameW(nullptr, buffer, size); });
}

platform::ProgramIdentity CurrentProgramIdentity() {
    const std::string path = Narrow(ProgramFilePath());
    if (path.empty()) return {};
    const auto slash = path.find_last_of('\\');
    platform::ProgramIdentity identity;
    identity.folder = slash == std::string::npos ? std::string() : path.substr(0, slash);
    // A drive root keeps its backslash, as the folder of a program in "C:\" reads "C:\".
    if (identity.folder.size() == 2 && identity.folder[1] == ':') identity.folder += '\\';
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    if (const auto dot = name.find_last_of('.'); dot != std::string::npos) name.erase(dot);
    identity.fileName = name;
    return identity;
}

NumberFormat UserNumberFormat() {
    wchar_t separator[8] = {};
    NumberFormat format;
    // A separator outside ASCII (rare) leaves the point, which numbers in menu files use most.
    if (GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, 8) > 1 &&
        separator[0] < 0x80) {
        format.decimalSeparator = static_cast<char>(separator[0]);
    }
    return format;
}

}  // namespace kov::win32
