#include "platform/win32/win32_files.h"

#include <gtest/gtest.h>

#include "tests/win32/temp_folder.h"

namespace kov::win32 {
namespace {

using testing::TempFolder;

TEST(Win32Files, OnlyOrdinaryFilesCount) {
    TempFolder folder;
    Win32Files files;
    const struct {
        const char* name;
        DWORD attributes;
        bool ordinary;
    } cases[] = {
        {"plain.mnu", FILE_ATTRIBUTE_NORMAL, true},
        {"readonly.mnu", FILE_ATTRIBUTE_READONLY, true},
        {"archive.mnu", FILE_ATTRIBUTE_ARCHIVE, true},
        {"hidden.mnu", FILE_ATTRIBUTE_HIDDEN, false},
        {"system.mnu", FILE_ATTRIBUTE_SYSTEM, false},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(files.WriteNewFile(folder / c.name, "x"));
        SetFileAttributesA((folder / c.name).c_str(), c.attributes);
        EXPECT_EQ(files.IsOrdinaryFile(folder / c.name), c.ordinary) << c.name;
    }
    CreateDirectoryA((folder / "folder.mnu").c_str(), nullptr);
    EXPECT_FALSE(files.IsOrdinaryFile(folder / "folder.mnu"));
    EXPECT_FALSE(files.IsOrdinaryFile(folder / "missing.mnu"));
    EXPECT_FALSE(files.IsOrdinaryFile(""));
}

TEST(Win32Files, ReadsEveryByteAsWritten) {
    TempFolder folder;
    Win32Files files;
    std::string bytes;
    for (int i = 0; i < 256; ++i) bytes += static_cast<char>(i);
    bytes += "\xA6s\r\n\xA4\n\r";
    ASSERT_TRUE(files.WriteNewFile(folder / "all.txt", bytes));
    EXPECT_EQ(files.sReadWholeFile(folder / "all.txt"), bytes);

    ASSERT_TRUE(files.WriteNewFile(folder / "empty.txt", ""));
    EXPECT_EQ(files.sReadWholeFile(folder / "empty.txt"), "");
    EXPECT_EQ(files.sReadWholeFile(folder / "missing.txt"), std::nullopt);
    EXPECT_EQ(files.sReadWholeFile(folder.path()), std::nullopt);
}

TEST(Win32Files, WriteReplacesTheWholeContent) {
    TempFolder folder;
    Win32Files files;
    ASSERT_TRUE(files.WriteNewFile(folder / "a.txt", "a long first content"));
    ASSERT_TRUE(files.WriteNewFile(folder / "a.txt", "short"));
    EXPECT_EQ(files.sReadWholeFile(folder / "a.txt"), "short");
    EXPECT_FALSE(files.WriteNewFile(folder / "no such folder\\a.txt", "x"));
}

TEST(Win32Files, AppendAddsInPlaceAndNeedsAnExistingFile) {
    TempFolder folder;
    Win32Files files;
    const std::string path = folder / "log.txt";
    const std::string bytes("a\0\r\x81\xFF", 5);  // bytes a text rewrite would not keep
    ASSERT_TRUE(files.WriteNewFile(path, bytes));
    EXPECT_TRUE(files.AppendToFile(path, "one\r\n"));
    EXPECT_TRUE(files.AppendToFile(path, "two\r\n"));
    EXPECT_EQ(files.sReadWholeFile(path), bytes + "one\r\ntwo\r\n");

    EXPECT_FALSE(files.AppendToFile(folder / "missing.txt", "x"));
    EXPECT_FALSE(files.FileExists(folder / "missing.txt"));
}

TEST(Win32Files, ExistenceAndDeletion) {
    TempFolder folder;
    Win32Files files;
    const std::string path = folder / "hidden.txt";
    ASSERT_TRUE(files.WriteNewFile(path, ""));
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_HIDDEN);
    EXPECT_TRUE(files.FileExists(path));  // any file counts, unlike IsOrdinaryFile
    EXPECT_FALSE(files.FileExists(folder.path()));
    EXPECT_TRUE(files.DeleteFile(path));
    EXPECT_FALSE(files.FileExists(path));
    EXPECT_FALSE(files.DeleteFile(path));
}

}  // namespace
}  // namespace kov::win32

namespace kov::win32 {
namespace {

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

    EXPECT_FALSE(files.ReplaceFile("", "x"));
    EXPECT_FALSE(files.ReplaceFile(folder / "missing folder\\a.lng", "x"));
    EXPECT_TRUE(files.ReplaceFile(folder / "new.lng", "fresh"));
    EXPECT_EQ(files.sReadWholeFile(folder / "new.lng"), "fresh");
}

}  // namespace
}  // namespace kov::win32
