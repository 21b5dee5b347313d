// The shell, other windows, the manifest and the clipboard, for real.
#include <gtest/gtest.h>

#include "platform/win32/windows_api.h"
// After windows.h, which they need.
#include <objbase.h>
#include <shlobj.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "platform/win32/handles.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_clipboard.h"
#include "platform/win32/win32_shell.h"
#include "platform/win32/win32_system_look.h"
#include "platform/win32/win32_top_windows.h"
#include "platform/win32/window_look.h"

namespace kov::win32 {
namespace {

// Closing a listed window is the end-to-end close command's (it closes an Explorer window).
TEST(Win32TopWindows, ListsHiddenWindowsWithLongTitlesAndMarksItsOwn) {
    const std::string title = "KOV test: Some NOTEPAD thing " + std::string(400, 't');
    HWND hidden = CreateWindowExA(0, "STATIC", title.c_str(), WS_OVERLAPPED, 0, 0, 10, 10, nullptr,
                                  nullptr, GetModuleHandleA(nullptr), nullptr);  // never shown
    const auto listed = Win32TopWindows().Enumerate();
    EXPECT_TRUE(std::any_of(listed.begin(), listed.end(), [&](const platform::TopWindow& w) {
        return w.handle == reinterpret_cast<platform::WindowHandle>(hidden) &&
               w.title == title.substr(0, 259) && w.own && !w.shell;
    }));
    EXPECT_EQ(std::ranges::count(listed, true, &platform::TopWindow::shell),
              GetShellWindow() != nullptr ? 1 : 0);
    DestroyWindow(hidden);
}

// The app theme as the registry holds it, of any type, and put back as it was. Wine lacks the
// dark menus' theme class and uxtheme's app-mode ordinals, and ignores DWM's window attributes:
// the calls skip what is missing.
TEST(Win32SystemLook, ReadsTheAppThemeAsStoredAndSkipsWhatTheSystemLacks) {
    constexpr wchar_t kKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize";
    constexpr wchar_t kValue[] = L"AppsUseLightTheme";
    Win32SystemLook look;
    const auto before = look.AppsUseLightTheme();
    const std::vector<unsigned char> zeros(4);
    ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, kKey, kValue, REG_SZ, zeros.data(), 4), 0);
    EXPECT_EQ(look.AppsUseLightTheme()->type, DWORD{REG_SZ});
    EXPECT_EQ(look.AppsUseLightTheme()->data, zeros);
    RegDeleteKeyValueW(HKEY_CURRENT_USER, kKey, kValue);
    EXPECT_FALSE(look.AppsUseLightTheme());
    if (before) {
        RegSetKeyValueW(HKEY_CURRENT_USER, kKey, kValue, before->type, before->data.data(),
                        static_cast<DWORD>(before->data.size()));
    }
    EXPECT_FALSE(look.DarkMenus().background);
    HWND window = CreateWindowExW(0, L"STATIC", L"KOV", WS_POPUP, 5, 6, 70, 80, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    RoundSmallCorners(window, RGB(65, 65, 65));
    UseDarkTitleBar(window);
    EXPECT_FALSE(UseDarkMenusForProcess());
    DestroyWindow(window);
}

// Whether COM is initialised on this thread; asking leaves it as it was.
bool InComApartment() {
    const HRESULT result = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    if (SUCCEEDED(result)) CoUninitialize();
    return result != S_OK;
}

TEST(Win32Shell, ShellCallsRunInAComApartmentThatEndsWithTheShell) {
    if (InComApartment()) GTEST_SKIP() << "an earlier test of this process initialised COM";
    {
        Win32Shell shell;
        EXPECT_FALSE(InComApartment());  // the popup comes first: COM starts with the shell
        EXPECT_LE(shell.ShellExecute({false, std::nullopt, "C:\\missing-kov-test.exe", "", "", 1}),
                  32);
        EXPECT_TRUE(InComApartment());
    }
    EXPECT_FALSE(InComApartment());
}

// The application manifest the program carries (the tests link the same resources).
TEST(Manifest, DeclaresDpiSystemsAndLongPaths) {
    HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));  // RT_MANIFEST
    ASSERT_NE(found, nullptr);
    const auto* data = static_cast<const char*>(LockResource(LoadResource(nullptr, found)));
    const std::string manifest(data, SizeofResource(nullptr, found));
    for (const char* part : {">PerMonitorV2, PerMonitor<", ">true/pm<",
                             "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}",  // Windows 10 and 11
                             "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",  // Windows 7
                             "<longPathAware", "level=\"asInvoker\""}) {
        EXPECT_NE(manifest.find(part), std::string::npos) << part;
    }
}

// Puts these bytes on the clipboard as a file list block, as another program might.
void PutFileList(std::string_view bytes) {
    UniqueGlobal block(GlobalAlloc(GMEM_MOVEABLE, bytes.size()));
    std::memcpy(GlobalLockGuard(block.get()).data(), bytes.data(), bytes.size());
    OpenClipboardGuard open(nullptr);
    EmptyClipboard();
    ASSERT_NE(SetClipboardData(CF_HDROP, block.release()), nullptr);
}

// Text in every script, empty, 10 MB and cut at a NUL; names of copied files (a wide CF_HDROP
// list, as a file copy in the shell puts it there) of any length and script.
TEST(Win32Clipboard, TextAndFileNamesRoundTrip) {
    Win32Clipboard clipboard;
    const std::vector<std::string> names{"C:\\a b.txt", "C:\\" + std::string(1500, 'n'),
                                         "C:\\\xCE\xB1\\\xD0\xB4 \xE4\xB8\xAD\xF0\x9F\x98\x80.txt"};
    const DROPFILES header{sizeof(DROPFILES), {}, FALSE, TRUE};
    std::wstring list;
    for (const auto& name : names) list += Widen(name) + L'\0';
    const std::string block = std::string(reinterpret_cast<const char*>(&header), sizeof header) +
                              std::string(reinterpret_cast<const char*>(list.c_str()),
                                          (list.size() + 1) * sizeof(wchar_t));
    PutFileList(block);
    EXPECT_EQ(clipboard.GetFiles(), names);
    EXPECT_FALSE(clipboard.GetText());
    // A malformed block is no list: smaller than its header, the list's offset outside it, a
    // list without its end.
    std::string outside = block;
    outside[3] = '\x7F';
    for (const auto& bad : {block.substr(0, sizeof header - 1), outside,
                            block.substr(0, block.size() - 2 * sizeof(wchar_t))}) {
        PutFileList(bad);
        EXPECT_EQ(clipboard.GetFiles(), std::vector<std::string>{});
    }

    for (const std::string& text :
         {std::string("hello \xC2\xA6 w\xC3\xB6rld \xD0\x9C\xD0\xB8\xD1\x80 \xF0\x9F\x98\x80"),
          std::string(), std::string(10 * 1024 * 1024, 'x')}) {
        ASSERT_TRUE(clipboard.SetText(text));
        EXPECT_EQ(clipboard.GetText(), text) << text.size();
        EXPECT_FALSE(clipboard.GetFiles());
    }
    ASSERT_TRUE(clipboard.SetText(std::string("cut\0here", 8)));
    EXPECT_EQ(clipboard.GetText(), "cut");
}

// Paths come back whole however long, whether a call says what it needs or cuts its answer.
TEST(TextOfNeededLength, AsksAgainUntilTheTextFits) {
    for (const std::size_t length : {0u, 259u, 260u, 1000u}) {
        const std::wstring value(length, L'p');
        SetEnvironmentVariableW(L"KOV_TEST_LONG", value.c_str());
        const auto cut = [&](wchar_t* buffer, DWORD size) {
            return static_cast<DWORD>(
                std::copy_n(value.begin(), std::min<DWORD>(length, size), buffer) - buffer);
        };
        EXPECT_EQ(TextOfNeededLength(cut), value);
        EXPECT_EQ(TextOfNeededLength([](wchar_t* buffer, DWORD size) {
                      return GetEnvironmentVariableW(L"KOV_TEST_LONG", buffer, size);
                  }),
                  value);
    }
}

}  // namespace
}  // namespace kov::win32
