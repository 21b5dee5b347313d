#include "platform/win32/win32_files.h"

#include <gtest/gtest.h>

#include "tests/win32/temp_folder.h"

namespace kov::win32 {
namespace {

using testing::TempFolder;

TEST(Win32Files, OnlyOrdinaryFilesCountAndAnyFileExists) {
    TempFolder folder;
    Win32Files files;
    const struct {
        const char* name;
        DWORD attributes;
        bool ordinary;
    } cases[] = {
        {"readonly.mnu", FILE_ATTRIBUTE_READONLY, true},
        {"archive.mnu", FILE_ATTRIBUTE_ARCHIVE, true},
        {"hidden.mnu", FILE_ATTRIBUTE_HIDDEN, false},
        {"system.mnu", FILE_ATTRIBUTE_SYSTEM, false},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(files.WriteNewFile(folder / c.name, "x"));
        SetFileAttributesA((folder / c.name).c_str(), c.attributes);
        EXPECT_EQ(files.IsOrdinaryFile(folder / c.name), c.ordinary) << c.name;
        EXPECT_TRUE(files.FileExists(folder / c.name)) << c.name;
    }
    CreateDirectoryA((folder / "folder.mnu").c_str(), nullptr);
    for (const std::string& path : {folder / "folder.mnu", folder / "missing.mnu", std::string()}) {
        EXPECT_FALSE(files.IsOrdinaryFile(path)) << path;
        EXPECT_FALSE(files.FileExists(path)) << path;
    }
    EXPECT_TRUE(files.DeleteFile(folder / "hidden.mnu"));
    EXPECT_FALSE(files.FileExists(folder / "hidden.mnu"));
    EXPECT_FALSE(files.DeleteFile(folder / "hidden.mnu"));
}

// Bytes a text mode would change: every byte value, lone CRs and LFs, NULs.
TEST(Win32Files, WriteAppendAndReadKeepEveryByte) {
    TempFolder folder;
    Win32Files files;
    std::string bytes;
    for (int i = 0; i < 256; ++i) bytes += static_cast<char>(i);
    bytes += "\xA6s\r\n\xA4\n\r";
    const std::string path = folder / "all.txt";
    ASSERT_TRUE(files.WriteNewFile(path, "a long first content that is replaced whole" + bytes));
    ASSERT_TRUE(files.WriteNewFile(path, bytes));
    EXPECT_TRUE(files.AppendToFile(path, "one\r\n"));
    EXPECT_TRUE(files.AppendToFile(path, "two\r\n"));
    EXPECT_EQ(files.sReadWholeFile(path), bytes + "one\r\ntwo\r\n");

    ASSERT_TRUE(files.WriteNewFile(folder / "empty.txt", ""));
    EXPECT_EQ(files.sReadWholeFile(folder / "empty.txt"), "");
    EXPECT_EQ(files.sReadWholeFile(folder / "missing.txt"), std::nullopt);
    EXPECT_EQ(files.sReadWholeFile(folder.path()), std::nullopt);
    EXPECT_FALSE(files.AppendToFile(folder / "missing.txt", "x"));
    EXPECT_FALSE(files.FileExists(folder / "missing.txt"));  // appending creates nothing
    EXPECT_FALSE(files.WriteNewFile(folder / "no such folder\\a.txt", "x"));
}

TEST(Win32Files, ReplaceKeepsTheOldFileWholeWhenItCannotBeReplaced) {
    TempFolder folder;
    Win32Files files;
    const auto path = folder / "Svenska.lng";
    ASSERT_TRUE(files.WriteNewFile(path, "OK=Okej\r\n"));
    ASSERT_TRUE(files.ReplaceFile(path, "OK=Ja\r\n"));
    EXPECT_EQ(files.sReadWholeFile(path), "OK=Ja\r\n");

    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_FALSE(files.ReplaceFile(path, "lost"));
    EXPECT_EQ(files.sReadWholeFile(path), "OK=Ja\r\n");
    EXPECT_FALSE(files.IsOrdinaryFile(path + ".new~"));  // no debris beside it

    EXPECT_FALSE(files.ReplaceFile(folder / "missing folder\\a.lng", "x"));
    EXPECT_TRUE(files.ReplaceFile(folder / "new.lng", "fresh"));
    EXPECT_EQ(files.sReadWholeFile(folder / "new.lng"), "fresh");
}

}  // namespace
}  // namespace kov::win32
