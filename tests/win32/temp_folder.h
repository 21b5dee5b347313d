// A scratch folder under the user's temporary folder, removed with everything in it.
#pragma once

#include <filesystem>
#include <string>

#include "platform/win32/wide_text.h"
#include "platform/win32/windows_api.h"

namespace kov::win32::testing {

struct TempFolder {
    TempFolder() { std::filesystem::create_directory(WidePath(path)); }
    // In the long form, so that names in any script and deep trees go too; made writable first,
    // else read-only entries would stay.
    ~TempFolder() {
        const std::filesystem::path root = L"\\\\?\\" + Widen(path);
        std::error_code ignored;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(root, ignored))
            SetFileAttributesW(entry.path().c_str(), FILE_ATTRIBUTE_NORMAL);
        std::filesystem::remove_all(root, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    std::string operator/(const std::string& name) const { return path + "\\" + name; }

    inline static int count = 0;
    std::string path =
        Narrow((std::filesystem::temp_directory_path() /
                ("kovtest" + std::to_string(GetCurrentProcessId()) + "_" + std::to_string(count++)))
                   .wstring());
};

}  // namespace kov::win32::testing
