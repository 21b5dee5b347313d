#include "platform/win32/win32_folders.h"

#include <gtest/gtest.h>
#include "platform/win32/windows_api.h"

#include <set>

#include "core/text.h"
#include "platform/win32/handles.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_files.h"
#include "tests/win32/temp_folder.h"

namespace kov::win32 {
namespace {

using testing::TempFolder;

void WriteFile(const std::string& path, DWORD attributes = FILE_ATTRIBUTE_NORMAL) {
    UniqueFile file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(file) << path;
    file.reset();
    SetFileAttributesA(path.c_str(), attributes);
}

void MakeFolder(const std::string& path, DWORD attributes = FILE_ATTRIBUTE_NORMAL) {
    ASSERT_TRUE(CreateDirectoryA(path.c_str(), nullptr)) << path;
    if (attributes != FILE_ATTRIBUTE_NORMAL) SetFileAttributesA(path.c_str(), attributes);
}

// The path as drive Z: (Wine's view of the Unix root) shows it; empty outside Wine.
std::string OnDriveZ(const std::string& path) {
    using UnixName = char*(CDECL*)(const wchar_t*);
    const auto unixName = reinterpret_cast<UnixName>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    if (unixName == nullptr) return {};
    const std::wstring wide(path.begin(), path.end());
    char* name = unixName(wide.c_str());
    if (name == nullptr) return {};
    std::string result = "Z:" + ReplaceAll(name, "/", "\\");
    HeapFree(GetProcessHeap(), 0, name);
    return result;
}

TEST(Win32Folders, ListsEveryEntryWholeAndInFileSystemOrder) {
    TempFolder folder;
    const std::string longName(200, 'n');
    const std::vector<std::string> names{"R&D.txt", longName, "hidden", "system", "sub", "x"};
    WriteFile(folder / names[0]);
    WriteFile(folder / names[1]);
    WriteFile(folder / names[2], FILE_ATTRIBUTE_HIDDEN);
    WriteFile(folder / names[3], FILE_ATTRIBUTE_SYSTEM);
    MakeFolder(folder / names[4], FILE_ATTRIBUTE_READONLY);
    WriteFile(folder / names[5]);

    Win32Folders folders;
    const auto listed = folders.ListFolder(folder.path() + "\\");
    ASSERT_TRUE(listed);
    std::vector<std::string> direct;
    WIN32_FIND_DATAA data;
    UniqueFind find(FindFirstFileA((folder / "*").c_str(), &data));
    do direct.push_back(data.cFileName);
    while (FindNextFileA(find.get(), &data));
    EXPECT_EQ(*listed, direct);
    const std::set<std::string> found(listed->begin(), listed->end());
    for (const auto& name : names) EXPECT_EQ(found.count(name), 1u) << name;

    EXPECT_EQ(folders.ListFolder(folder / "missing\\"), std::nullopt);
    EXPECT_EQ(folders.ListFolder(folder / "x\\"), std::nullopt);  // a file, not a folder
}

TEST(Win32Folders, AttributesAsTheSystemReportsThem) {
    TempFolder folder;
    MakeFolder(folder / "ro", FILE_ATTRIBUTE_READONLY);
    WriteFile(folder / "f", FILE_ATTRIBUTE_ARCHIVE);
    Win32Folders folders;
    // Wine keeps no read-only bit on folders; Windows adds it.
    EXPECT_EQ(folders.FileAttributes(folder / "ro") & ~DWORD{FILE_ATTRIBUTE_READONLY},
              DWORD{FILE_ATTRIBUTE_DIRECTORY});
    EXPECT_EQ(folders.FileAttributes(folder / "f"), DWORD{FILE_ATTRIBUTE_ARCHIVE});
    EXPECT_EQ(folders.FileAttributes(folder / "missing"), platform::file_attributes::kInvalid);
}

TEST(Win32Folders, NamesInEveryScriptAndPastThePathLimitAreListedAsWritten) {
    TempFolder folder;
    const std::string greek = folder / "\xCE\x95\xCE\xBB\xCE\xBB\xCE\xAC\xCE\xB4\xCE\xB1";
    ASSERT_TRUE(CreateDirectoryW(Widen(greek).c_str(), nullptr));
    const std::set<std::string> names = {".",
                                         "..",
                                         std::string(255, 'w'),
                                         "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82.txt",
                                         "\xE4\xB8\xAD\xE6\x96\x87.txt",
                                         "\xF0\x9F\x98\x80.txt"};
    Win32Files files;
    for (const auto& name : names) {
        if (name[0] != '.') {
            ASSERT_TRUE(files.WriteNewFile(greek + "\\" + name, "x")) << name;
        }
    }
    Win32Folders folders;
    const auto listed = folders.ListFolder(greek + "\\");
    ASSERT_TRUE(listed);
    EXPECT_EQ(std::set<std::string>(listed->begin(), listed->end()), names);
    for (const auto& name : names) {
        if (name[0] == '.') continue;
        EXPECT_EQ(folders.FileAttributes(greek + "\\" + name), DWORD{FILE_ATTRIBUTE_ARCHIVE})
            << name;
        EXPECT_EQ(files.sReadWholeFile(greek + "\\" + name), "x") << name;
    }
}

TEST(Win32Folders, ShellPatternMatch) {
    Win32Folders folders;
    const struct {
        const char* name;
        const char* pattern;
        bool matches;
    } cases[] = {
        {"a.txt", "*", true},
        {"a.txt", "*.txt", true},
        {"A.TXT", "*.txt", true},
        {"a.txt", "?.txt", true},
        {"ab.txt", "?.txt", false},
        {"a.doc", "*.txt", false},
        {"a.doc", "*.txt;*.doc", true},
        {"a.doc", "*.txt; *.doc", true},
        {"b.txt", "b*", true},
        {"a.txt", ";", false},
        {"a", "*.*", true},
        {"caf\xE9.txt", "CAF\xC9*", true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(folders.MatchesPattern(c.name, c.pattern), c.matches)
            << c.name << " " << c.pattern;
    }
}

TEST(Win32Folders, IdentitySeesThroughOtherPathsToTheSameFolder) {
    TempFolder folder;
    MakeFolder(folder / "a");
    MakeFolder(folder / "b");
    Win32Folders folders;
    const auto identity = folders.FolderIdentity(folder / "a\\");
    ASSERT_TRUE(identity);
    EXPECT_EQ(folders.FolderIdentity(folder / "a"), identity);
    EXPECT_EQ(folders.FolderIdentity(FoldCase(folder / "A\\")), identity);
    EXPECT_NE(folders.FolderIdentity(folder / "b\\"), identity);
    EXPECT_EQ(folders.FolderIdentity(folder / "missing\\"), std::nullopt);
    if (const auto z = OnDriveZ(folder / "a"); !z.empty()) {
        EXPECT_EQ(folders.FolderIdentity(z + "\\"), identity) << z;
    }
}

}  // namespace
}  // namespace kov::win32
