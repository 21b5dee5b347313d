#include "tests/win32/temp_folder.h"

#include <atomic>

#include "platform/win32/wide_text.h"
#include "platform/win32/win32_files.h"

namespace kov::win32::testing {

namespace {

// Wide and in the long form, so names in any script and deep trees go too.
void RemoveTree(const std::wstring& folder) {
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = data.cFileName;
            if (name == L"." || name == L"..") continue;
            const std::wstring path = folder + L"\\" + name;
            SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(path);
            } else {
                DeleteFileW(path.c_str());
            }
        } while (FindNextFileW(find, &data));
        FindClose(find);
    }
    RemoveDirectoryW(folder.c_str());
}

}  // namespace

TempFolder::TempFolder() {
    static std::atomic<int> counter{0};
    char base[MAX_PATH + 1] = {};
    GetTempPathA(sizeof base, base);
    path_ = std::string(base) + "kovtest" + std::to_string(GetCurrentProcessId()) + "_" +
            std::to_string(counter++);
    CreateDirectoryA(path_.c_str(), nullptr);
}

TempFolder::~TempFolder() {
    RemoveTree(L"\\\\?\\" + Widen(path_));
}

void WriteBitmap(const std::string& path, int width, int height) {
    const int stride = (width * 3 + 3) / 4 * 4;
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER info{};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + stride * height;
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    std::string bytes(reinterpret_cast<const char*>(&file), sizeof file);
    bytes.append(reinterpret_cast<const char*>(&info), sizeof info);
    bytes.append(static_cast<std::size_t>(stride) * height, '\x7F');
    Win32Files().WriteNewFile(path, bytes);
}

}  // namespace kov::win32::testing
