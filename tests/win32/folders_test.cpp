#include "platform/win32/win32_folders.h"

#include <gtest/gtest.h>
#include "platform/win32/windows_api.h"

#include <iterator>
#include <vector>

#include "core/text.h"
#include "platform/win32/handles.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_files.h"
#include "tests/win32/temp_folder.h"

namespace kov::win32 {
namespace {

using testing::TempFolder;

// Names in every script and past the path limit, hidden and system files and folders.
TEST(Win32Folders, ListsEveryEntryInFileSystemOrderWithItsAttributes) {
    TempFolder base;
    const std::string folder = base / "\xCE\x95\xCE\xBB\xCE\xBB\xCE\xAC\xCE\xB4\xCE\xB1";
    ASSERT_TRUE(CreateDirectoryW(Widen(folder).c_str(), nullptr));
    constexpr DWORD kArchive = FILE_ATTRIBUTE_ARCHIVE;
    const struct {
        std::string name;
        DWORD attributes;
        bool folder;
    } entries[] = {{"R&D.txt", kArchive, false},
                   {std::string(255, 'w'), kArchive, false},
                   {"\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82.txt", kArchive, false},
                   {"\xE4\xB8\xAD\xE6\x96\x87 \xF0\x9F\x98\x80.txt", kArchive, false},
                   {"hidden", FILE_ATTRIBUTE_HIDDEN | kArchive, false},
                   {"system", FILE_ATTRIBUTE_SYSTEM | kArchive, false},
                   {"sub", FILE_ATTRIBUTE_READONLY, true}};
    Win32Files files;
    Win32Folders folders;
    for (const auto& e : entries) {
        const std::string path = folder + "\\" + e.name;
        if (e.folder) {
            ASSERT_TRUE(CreateDirectoryW(Widen(path).c_str(), nullptr));
        } else {
            ASSERT_TRUE(files.WriteNewFile(path, "x")) << e.name;
            EXPECT_EQ(files.sReadWholeFile(path), "x") << e.name;
        }
        SetFileAttributesW(Widen(path).c_str(), e.attributes);
        // Wine keeps no read-only bit on folders; Windows does.
        const DWORD ignored = e.folder ? FILE_ATTRIBUTE_READONLY : 0;
        const DWORD expected = e.folder ? FILE_ATTRIBUTE_DIRECTORY : e.attributes;
        EXPECT_EQ(folders.FileAttributes(path) & ~ignored, expected) << e.name;
        EXPECT_EQ(folders.MatchesPattern(e.name, "*.TXT; w*"), e.attributes == kArchive);
    }
    const auto listed = folders.ListFolder(folder + "\\");
    ASSERT_TRUE(listed);
    std::vector<std::string> direct;
    WIN32_FIND_DATAW data;
    UniqueFind find(FindFirstFileW(Widen(folder + "\\*").c_str(), &data));
    do direct.push_back(Narrow(data.cFileName));
    while (FindNextFileW(find.get(), &data));
    EXPECT_EQ(*listed, direct);
    EXPECT_EQ(listed->size(), std::size(entries) + 2);  // with "." and ".."
    EXPECT_EQ(folders.FileAttributes(folder + "\\missing"), platform::file_attributes::kInvalid);
    EXPECT_EQ(folders.ListFolder(folder + "\\missing\\"), std::nullopt);
    EXPECT_EQ(folders.ListFolder(folder + "\\R&D.txt\\"), std::nullopt);  // a file
}

TEST(Win32Folders, IdentitySeesThroughOtherPathsToTheSameFolder) {
    TempFolder folder;
    CreateDirectoryA((folder / "a").c_str(), nullptr);
    CreateDirectoryA((folder / "b").c_str(), nullptr);
    Win32Folders folders;
    const auto identity = folders.FolderIdentity(folder / "a\\");
    ASSERT_TRUE(identity);
    EXPECT_EQ(folders.FolderIdentity(folder / "a"), identity);
    EXPECT_EQ(folders.FolderIdentity(FoldCase(folder / "A\\")), identity);
    EXPECT_NE(folders.FolderIdentity(folder / "b\\"), identity);
    EXPECT_EQ(folders.FolderIdentity(folder / "missing\\"), std::nullopt);
}

}  // namespace
}  // namespace kov::win32
