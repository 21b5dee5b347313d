#include "odmenu/win32/shell_icon_lookup.h"

#include <shellapi.h>

#include <optional>

#include "platform/win32/wide_text.h"

namespace kov::win32 {

namespace {

bool IsBareName(std::wstring_view path) {
    return path.find_first_of(L"\\/:") == std::wstring_view::npos;
}

std::optional<std::wstring> AppPath(HKEY root, const std::wstring& name) {
    const std::wstring key = L"Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\" + name;
    wchar_t value[MAX_PATH] = {};
    DWORD size = sizeof value;
    // REG_SZ alone also takes a REG_EXPAND_SZ value, expanded; asking for both is refused.
    if (RegGetValueW(root, key.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, value, &size) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    std::wstring path(value);
    // The value may be quoted, as command lines are.
    if (path.size() >= 2 && path.front() == L'"' && path.back() == L'"')
        path = path.substr(1, path.size() - 2);
    return path;
}

// A program given by name alone, found where the shell finds it: the search path, then the
// registered application paths.
std::optional<std::wstring> FindProgram(const std::wstring& name) {
    wchar_t found[MAX_PATH] = {};
    const DWORD length = SearchPathW(nullptr, name.c_str(), L".exe", MAX_PATH, found, nullptr);
    if (length > 0 && length < MAX_PATH) return std::wstring(found, length);
    const std::wstring withExtension =
        name.find(L'.') == std::wstring::npos ? name + L".exe" : name;
    if (auto path = AppPath(HKEY_CURRENT_USER, withExtension)) return path;
    return AppPath(HKEY_LOCAL_MACHINE, withExtension);
}

}  // namespace

UniqueIcon LookUpShellIcon(const platform::ShellIconTarget& target, int side) {
    std::wstring path = Widen(target.path);
    const bool folder = path.ends_with(L'\\');
    // "C:\Docs\" names the folder as "C:\Docs" does; a drive's root keeps its backslash.
    if (folder && path.size() > 3) path.pop_back();
    UINT flags = SHGFI_ICON | SHGFI_ADDOVERLAYS |
                 (GetSystemMetrics(SM_CXSMICON) >= side ? SHGFI_SMALLICON : SHGFI_LARGEICON);
    DWORD attributes = 0;
    if (target.byFileTypeOnly) {
        flags |= SHGFI_USEFILEATTRIBUTES;
        attributes = folder ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_NORMAL;
    } else if (IsBareName(path)) {
        auto found = FindProgram(path);
        if (!found) return {};
        path = std::move(*found);
    }
    SHFILEINFOW info{};
    if (SHGetFileInfoW(path.c_str(), attributes, &info, sizeof info, flags) == 0) return {};
    return UniqueIcon(info.hIcon);
}

IconRequest ShellIconRequest(const platform::ShellIconTarget& target, int side) {
    return {{IconSource::Kind::Shell, target.path, {}, side},
            [target, side] { return PixelsOfIcon(LookUpShellIcon(target, side).get(), side); }};
}

}  // namespace kov::win32
