#include "platform/win32/win32_folders.h"

#include "platform/win32/windows_api.h"

#include <shlwapi.h>

#include "platform/win32/handles.h"
#include "platform/win32/wide_text.h"

namespace kov::win32 {

std::optional<std::vector<std::string>> Win32Folders::ListFolder(const std::string& folder) {
    WIN32_FIND_DATAW data;
    UniqueFind find(FindFirstFileW(WidePath(folder + "*").c_str(), &data));
    if (!find) return std::nullopt;
    std::vector<std::string> names;
    do {
        names.push_back(Narrow(data.cFileName));
    } while (FindNextFileW(find.get(), &data));
    return names;
}

std::uint32_t Win32Folders::FileAttributes(const std::string& path) {
    return GetFileAttributesW(WidePath(path).c_str());
}

bool Win32Folders::MatchesPattern(const std::string& name, const std::string& pattern) {
    return PathMatchSpecW(Widen(name).c_str(), Widen(pattern).c_str()) != FALSE;
}

std::optional<std::string> Win32Folders::FolderIdentity(const std::string& folder) {
    // No access rights needed: only the file's identity is read.
    UniqueFile handle(CreateFileW(WidePath(folder).c_str(), 0,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    BY_HANDLE_FILE_INFORMATION info;
    if (!handle || !GetFileInformationByHandle(handle.get(), &info)) return std::nullopt;
    return std::to_string(info.dwVolumeSerialNumber) + ":" +
           std::to_string((std::uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow);
}

bool Win32Folders::OnNetworkOrRemovableDrive(const std::string& path) {
    if (path.size() < 2 || path[1] != ':') return false;
    const wchar_t root[] = {static_cast<wchar_t>(path[0]), L':', L'\\', 0};
    switch (GetDriveTypeW(root)) {
        case DRIVE_REMOTE:
        case DRIVE_REMOVABLE:
        case DRIVE_CDROM:
            return true;
        default:
            return false;
    }
}

}  // namespace kov::win32
