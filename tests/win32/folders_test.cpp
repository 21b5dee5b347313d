#include "platform/win32/win32_folders.h"

#include <gtest/gtest.h>
#include "platform/win32/windows_api.h"

#include <shlwapi.h>

#include <set>

#include "core/text.h"
#include "menufile/folder_menus.h"
#include "platform/win32/handles.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_files.h"
#include "platform/win32/win32_menus.h"
#include "tests/win32/menu_dump.h"
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

// The folder menu read whole before anything is shown, step by step as it was first described;
// the lazy filling must show exactly this.
class EagerFolderMenu {
  public:
    void Build(std::string folder, const std::string& include, const std::string& exclude,
               HMENU menu) {
        if (folder.empty() || folder.back() != '\\') folder += '\\';
        std::vector<std::string> subfolders;
        ForEachEntry(folder, [&](const std::string& name, bool directory) {
            if (directory) subfolders.push_back(name);
        });
        for (const auto& name : subfolders) {
            HMENU sub = CreatePopupMenu();
            AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(sub), name.c_str());
            Build(folder + name + "\\", include, exclude, sub);
        }
        if (!include.empty()) {
            ForEachEntry(folder, [&](const std::string& name, bool directory) {
                const auto m = Wide(TrimSpaces(name));
                if (directory ||
                    (!exclude.empty() && PathMatchSpecW(m.c_str(), Wide(exclude).c_str())) ||
                    !PathMatchSpecW(m.c_str(), Wide(include).c_str())) {
                    return;
                }
                Append(menu, name, folder + name);
            });
        }
        Append(menu, ".", folder);
    }

    std::vector<std::string> paths{""};

  private:
    template <typename Visit>
    static void ForEachEntry(const std::string& folder, Visit visit) {
        WIN32_FIND_DATAA data;
        UniqueFind find(FindFirstFileA((folder + "*").c_str(), &data));
        if (!find) return;
        do {
            const std::string name = data.cFileName;
            if (name == "." || name == "..") continue;
            visit(name,
                  (GetFileAttributesA((folder + name).c_str()) & FILE_ATTRIBUTE_DIRECTORY) != 0);
        } while (FindNextFileA(find.get(), &data));
    }
    static std::wstring Wide(const std::string& text) {
        wchar_t wide[1024] = {};
        MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide, 1023);
        return wide;
    }
    void Append(HMENU menu, const std::string& text, const std::string& path) {
        AppendMenuA(menu, MF_STRING, 2000 + paths.size(), text.c_str());
        paths.push_back(path);
    }
};

// A folder menu filled the way the popup fills it: each submenu as it is opened.
class LazyFolderMenu {
  public:
    LazyFolderMenu(const std::string& folder, const std::string& include,
                   const std::string& exclude) {
        folderMenus.BuildFolderMenu(folder, include, exclude, Handle(menu.get()));
    }
    HMENU get() const { return menu.get(); }
    void Open() { folderMenus.FillOnOpen(Handle(menu.get())); }
    // Opens every submenu, depth first, as a user going through the whole tree would.
    void OpenEverySubmenu(HMENU parent) {
        for (int i = 0; i < GetMenuItemCount(parent); ++i) {
            if (HMENU sub = GetSubMenu(parent, i)) {
                folderMenus.FillOnOpen(Handle(sub));
                OpenEverySubmenu(sub);
            }
        }
    }
    void OpenAll() {
        Open();
        OpenEverySubmenu(menu.get());
    }

    Win32Menus menus;
    Win32Folders folders;
    std::vector<std::string> FolderItemPaths{""};
    FolderMenus folderMenus{menus, folders, FolderItemPaths};

  private:
    static platform::MenuHandle Handle(HMENU menu) {
        return reinterpret_cast<platform::MenuHandle>(menu);
    }
    UniqueMenu menu{CreatePopupMenu()};
};

std::string DumpWithPaths(HMENU menu, const std::vector<std::string>& paths) {
    return testing::DumpMenu(menu, [&paths](std::int32_t id) {
        return id > 2000 && static_cast<std::size_t>(id - 2000) < paths.size()
                   ? "[" + paths[static_cast<std::size_t>(id - 2000)] + "]"
                   : "[bad identifier " + std::to_string(id) + "]";
    });
}

class FolderMenusOnRealTrees : public ::testing::Test {
  protected:
    void SetUp() override {
        MakeFolder(tree / "docs", FILE_ATTRIBUTE_READONLY);
        for (const char* name : {"a.txt", "b.txt", "c.doc", "R&D notes.txt", "B.TXT.bak"}) {
            WriteFile(tree / ("docs\\" + std::string(name)));
        }
        MakeFolder(tree / "docs\\empty");
        MakeFolder(tree / "docs\\deeper");
        MakeFolder(tree / "docs\\deeper\\x", FILE_ATTRIBUTE_ARCHIVE);
        WriteFile(tree / "docs\\deeper\\x\\z.txt");
        MakeFolder(tree / "b");
        WriteFile(tree / ".hidden.txt", FILE_ATTRIBUTE_HIDDEN);
        WriteFile(tree / "sys.txt", FILE_ATTRIBUTE_SYSTEM);
        WriteFile(tree / std::string(180, 'L'));
        MakeFolder(tree / "many");
        for (int i = 0; i < 300; ++i) {
            WriteFile(tree / ("many\\f" + std::to_string(i) + (i % 3 ? ".txt" : ".log")));
        }
    }

    TempFolder tree;
};

TEST_F(FolderMenusOnRealTrees, OpeningEverySubmenuShowsWhatReadingEverythingAtOnceShows) {
    const struct {
        const char* include;
        const char* exclude;
    } cases[] = {{"", ""}, {"*", ""}, {"*.txt", "b*"}, {"*.txt;*.doc", "*.log"}, {";", ""}};
    for (const auto& c : cases) {
        for (const std::string& folder : {tree.path(), tree.path() + "\\"}) {
            EagerFolderMenu eager;
            UniqueMenu eagerMenu(CreatePopupMenu());
            eager.Build(folder, c.include, c.exclude, eagerMenu.get());

            LazyFolderMenu lazy(folder, c.include, c.exclude);
            EXPECT_EQ(GetMenuItemCount(lazy.get()), 0);
            lazy.OpenAll();

            const auto expected = DumpWithPaths(eagerMenu.get(), eager.paths);
            EXPECT_EQ(DumpWithPaths(lazy.get(), lazy.FolderItemPaths), expected)
                << c.include << " / " << c.exclude;
            EXPECT_EQ(lazy.FolderItemPaths.size(), eager.paths.size());
            EXPECT_GT(expected.size(), 100u);
        }
    }
}

TEST_F(FolderMenusOnRealTrees, IdentifiersAreUniqueAndAboveTheLineRange) {
    LazyFolderMenu lazy(tree.path(), "*", "");
    lazy.OpenAll();
    std::set<std::int32_t> seen;
    testing::DumpMenu(lazy.get(), [&seen](std::int32_t id) {
        EXPECT_GT(id, 2000);
        EXPECT_TRUE(seen.insert(id).second) << id;
        return std::string();
    });
    EXPECT_EQ(seen.size(), lazy.FolderItemPaths.size() - 1);
}

TEST_F(FolderMenusOnRealTrees, AFolderThatVanishesBeforeItOpensHoldsOnlyItself) {
    LazyFolderMenu lazy(tree / "docs\\deeper", "*", "");
    lazy.Open();
    DeleteFileA((tree / "docs\\deeper\\x\\z.txt").c_str());
    SetFileAttributesA((tree / "docs\\deeper\\x").c_str(), FILE_ATTRIBUTE_NORMAL);
    ASSERT_TRUE(RemoveDirectoryA((tree / "docs\\deeper\\x").c_str()));
    lazy.OpenEverySubmenu(lazy.get());
    EXPECT_EQ(testing::DumpMenu(lazy.get()), "POPUP x\n  ITEM 2002 .\nITEM 2001 .\n");
    EXPECT_EQ(lazy.FolderItemPaths[2], tree / "docs\\deeper\\x\\");
}

TEST_F(FolderMenusOnRealTrees, ALinkBackToAFolderOnItsOwnPathHoldsOnlyItself) {
    const auto link = tree / "docs\\deeper\\up";
    // Wine 8 reports success without making the link.
    if (!CreateSymbolicLinkA(link.c_str(), tree.path().c_str(), SYMBOLIC_LINK_FLAG_DIRECTORY) ||
        GetFileAttributesA(link.c_str()) == INVALID_FILE_ATTRIBUTES) {
        GTEST_SKIP() << "no symbolic links to folders here; the end-to-end tests make one";
    }
    LazyFolderMenu lazy(tree / "docs", "", "");
    lazy.OpenAll();
    const auto dump = DumpWithPaths(lazy.get(), lazy.FolderItemPaths);
    RemoveDirectoryA(link.c_str());
    // Through the link the tree's root is reached first, then "docs" again: that one stops.
    EXPECT_NE(dump.find("  POPUP up\n    POPUP docs\n      ITEM [" + link + "\\docs\\] .\n"),
              std::string::npos)
        << dump;
}

}  // namespace
}  // namespace kov::win32
