#include "tests/win32/temp_folder.h"

#include <algorithm>
#include <atomic>

#include "platform/win32/handles.h"
#include "platform/win32/wide_text.h"

namespace kov::win32::testing {

namespace {

// Wide and in the long form, so names in any script and deep trees go too.
void RemoveTree(const std::wstring& folder) {
    WIN32_FIND_DATAW data;
    UniqueFind find(FindFirstFileW((folder + L"\\*").c_str(), &data));
    for (bool more = bool(find); more; more = FindNextFileW(find.get(), &data)) {
        const std::wstring name = data.cFileName, path = folder + L"\\" + name;
        if (name == L"." || name == L"..") continue;
        SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            RemoveTree(path);
        } else {
            DeleteFileW(path.c_str());
        }
    }
    RemoveDirectoryW(folder.c_str());
}

}  // namespace

TempFolder::TempFolder() {
    static std::atomic<int> counter{0};
    char base[MAX_PATH + 1] = {};
    GetTempPathA(sizeof base, base);
    path = std::string(base) + "kovtest" + std::to_string(GetCurrentProcessId()) + "_" +
           std::to_string(counter++);
    CreateDirectoryA(path.c_str(), nullptr);
}

TempFolder::~TempFolder() {
    RemoveTree(L"\\\\?\\" + Widen(path));
}

std::string ResourceFile(const std::string& name) {
    std::string path = std::string(KOV_TEST_DATA) + "/../../resources/" + name;
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

}  // namespace kov::win32::testing
