// Files and folders on disk, in every script, hidden or not, past the path limit.
#include <gtest/gtest.h>

#include <set>
#include <tuple>

#include "platform/win32/handles.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_files.h"
#include "platform/win32/win32_folders.h"
#include "tests/win32/temp_folder.h"

namespace kov::win32 {
namespace {

// Every byte value, lone CRs and LFs and NULs, which a text mode would change; a replacement
// that fails keeps the old file whole.
TEST(Win32Files, WritesAppendsAndReplacesEveryByteAndKeepsWhatCannotBeReplaced) {
    testing::TempFolder folder;
    Win32Files files;
    std::string bytes;
    for (int i = 0; i < 256; ++i) bytes += static_cast<char>(i);
    const auto path = folder / "Svenska.lng";
    ASSERT_TRUE(files.WriteNewFile(path + ".new~", "theirs"));
    ASSERT_TRUE(files.WriteNewFile(path, "a longer first content, replaced whole" + bytes));
    EXPECT_FALSE(files.WriteNewFile(path, "x"));  // never over an existing file
    ASSERT_TRUE(files.ReplaceFile(path, bytes));
    EXPECT_EQ(files.sReadWholeFile(path + ".new~"), "theirs");
    EXPECT_TRUE(files.AppendToFile(path, "\n\r"));
    EXPECT_EQ(files.sReadWholeFile(path), bytes + "\n\r");
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_FALSE(files.ReplaceFile(path, "lost"));
    EXPECT_EQ(files.sReadWholeFile(path), bytes + "\n\r");
    {
        // Held by another program that shares nothing: there, but not to be read.
        UniqueFile held(CreateFileW(Widen(path).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
        EXPECT_EQ(files.sReadWholeFile(path), std::nullopt);
        EXPECT_TRUE(files.FileExists(path));
    }
    EXPECT_FALSE(files.AppendToFile(folder / "missing.txt", "x"));
    EXPECT_FALSE(files.FileExists(folder / "missing.txt"));  // appending creates nothing
    EXPECT_EQ(files.sReadWholeFile(folder.path), std::nullopt);
}

// Names in every script and past the path limit, hidden and system files and folders: what
// counts as a file and how folders list.
TEST(Win32Folders, ListsEveryEntryInFileSystemOrderWithItsAttributes) {
    testing::TempFolder base;
    const std::string folder = base / "\xCE\x95\xCE\xBB\xCE\xBB\xCE\xAC\xCE\xB4\xCE\xB1";
    ASSERT_TRUE(CreateDirectoryW(Widen(folder).c_str(), nullptr));
    constexpr DWORD kArchive = FILE_ATTRIBUTE_ARCHIVE;
    const std::tuple<std::string, DWORD, bool> entries[] = {
        // name, attributes, a folder
        {"R&D.txt", FILE_ATTRIBUTE_READONLY | kArchive, false},
        {std::string(255, 'w'), kArchive, false},
        {"\xE4\xB8\xAD\xE6\x96\x87 \xF0\x9F\x98\x80.txt", kArchive, false},
        {"hidden", FILE_ATTRIBUTE_HIDDEN | kArchive, false},
        {"system", FILE_ATTRIBUTE_SYSTEM | kArchive, false},
        {"sub", FILE_ATTRIBUTE_READONLY, true}};
    Win32Files files;
    Win32Folders folders;
    for (const auto& [name, attributes, isFolder] : entries) {
        const std::string path = folder + "\\" + name;
        if (isFolder) {
            ASSERT_TRUE(CreateDirectoryW(Widen(path).c_str(), nullptr));
        } else {
            ASSERT_TRUE(files.WriteNewFile(path, "x")) << name;
            EXPECT_EQ(files.sReadWholeFile(path), "x") << name;
        }
        SetFileAttributesW(Widen(path).c_str(), attributes);
        // Hidden and system files count as missing, but exist.
        const bool ordinary =
            !isFolder && !(attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
        EXPECT_EQ(files.IsOrdinaryFile(path), ordinary) << name;
        EXPECT_EQ(files.FileExists(path), !isFolder) << name;
        // Wine keeps no read-only bit on folders; Windows does.
        const DWORD ignored = isFolder ? FILE_ATTRIBUTE_READONLY : 0;
        const DWORD expected = isFolder ? FILE_ATTRIBUTE_DIRECTORY : attributes;
        EXPECT_EQ(folders.FileAttributes(path) & ~ignored, expected) << name;
        EXPECT_EQ(folders.MatchesPattern(name, "*.TXT; w*"), ordinary);
    }
    const auto listed = folders.ListFolder(folder + "\\");
    ASSERT_TRUE(listed);
    std::set<std::string> names{".", ".."};  // listed as written
    for (const auto& entry : entries) names.insert(std::get<0>(entry));
    EXPECT_EQ(std::set<std::string>(listed->begin(), listed->end()), names);
    EXPECT_EQ(folders.FileAttributes(folder + "\\missing"), platform::file_attributes::kInvalid);
    EXPECT_FALSE(files.IsOrdinaryFile(folder + "\\missing") || files.IsOrdinaryFile(""));
    EXPECT_EQ(folders.ListFolder(folder + "\\missing\\"), std::nullopt);
    EXPECT_EQ(folders.ListFolder(folder + "\\R&D.txt\\"), std::nullopt);  // a file
}

}  // namespace
}  // namespace kov::win32
