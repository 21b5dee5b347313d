#include "platform/win32/win32_folders.h"

#include "platform/win32/windows_api.h"

#include <shlwapi.h>

#include "menufile/text_helpers.h"
#include "platform/win32/handles.h"

namespace kov::win32 {

namespace {

std::wstring Wide(const std::string& text) {
    const int length =
        MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return wide;
}

}  // namespace

std::optional<std::vector<std::string>> Win32Folders::ListFolder(const std::string& folder) {
    WIN32_FIND_DATAA data;
    UniqueFind find(FindFirstFileA((folder + "*").c_str(), &data));
    if (!find) return std::nullopt;
    std::vector<std::string> names;
    do {
        names.push_back(sCutAtNull(std::string_view(data.cFileName, sizeof data.cFileName)));
    } while (FindNextFileA(find.get(), &data));
    return names;
}

std::uint32_t Win32Folders::FileAttributes(const std::string& path) {
    return GetFileAttributesA(path.c_str());
}

bool Win32Folders::MatchesPattern(const std::string& name, const std::string& pattern) {
    return PathMatchSpecW(Wide(name).c_str(), Wide(pattern).c_str()) != FALSE;
}

std::optional<std::string> Win32Folders::FolderIdentity(const std::string& folder) {
    // No access rights needed: only the file's identity is read.
    UniqueFile handle(CreateFileA(folder.c_str(), 0,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    BY_HANDLE_FILE_INFORMATION info;
    if (!handle || !GetFileInformationByHandle(handle.get(), &info)) return std::nullopt;
    return std::to_string(info.dwVolumeSerialNumber) + ":" +
           std::to_string((std::uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow);
}

}  // namespace kov::win32
