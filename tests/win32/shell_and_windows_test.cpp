#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <thread>

#include "core/text.h"
#include "menufile/date_format.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_files.h"
#include "platform/win32/win32_pictures.h"
#include "platform/win32/win32_shell.h"
// After windows.h, which it needs.
#include <objbase.h>
#include "platform/win32/win32_temp_folder.h"
#include "platform/win32/win32_top_windows.h"
#include "tests/win32/temp_folder.h"

namespace kov::win32 {
namespace {

HWND MakeTopWindow(const char* title) {
    return CreateWindowExA(0, "STATIC", title, WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

// Lets posted messages arrive; true once the window is gone.
bool PumpUntilGone(HWND window) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    MSG message;
    while (IsWindow(window) && std::chrono::steady_clock::now() < deadline) {
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return !IsWindow(window);
}

TEST(Win32TopWindows, ListsHiddenWindowsMarksItsOwnAndClosesThem) {
    Win32TopWindows windows;
    HWND hidden = MakeTopWindow("KOV test: Some NOTEPAD thing");  // never shown
    const auto listed = windows.Enumerate();
    EXPECT_TRUE(std::any_of(listed.begin(), listed.end(), [&](const platform::TopWindow& w) {
        return w.handle == reinterpret_cast<platform::WindowHandle>(hidden) &&
               w.title == "KOV test: Some NOTEPAD thing" && w.own && !w.shell;
    }));
    const auto shellWindows = std::count_if(listed.begin(), listed.end(),
                                            [](const platform::TopWindow& w) { return w.shell; });
    EXPECT_EQ(shellWindows, GetShellWindow() != nullptr ? 1 : 0);
    windows.PostClose(reinterpret_cast<platform::WindowHandle>(hidden));
    EXPECT_TRUE(PumpUntilGone(hidden));
}

TEST(Win32TopWindows, LongTitlesAreReadUpTo259Characters) {
    Win32TopWindows windows;
    const std::string title = "KOV long " + std::string(400, 't');
    HWND window = MakeTopWindow(title.c_str());
    for (const auto& w : windows.Enumerate()) {
        if (w.handle == reinterpret_cast<platform::WindowHandle>(window)) {
            EXPECT_EQ(w.title, title.substr(0, 259));
        }
    }
    DestroyWindow(window);
}

// An association for an extension nobody else uses, removed again. Wine looks associations up
// in the classes root only.
class TestAssociation {
  public:
    TestAssociation() {
        SetDefault(".kovtest", "KOV.TestFile");
        SetDefault("KOV.TestFile\\shell\\open\\command",
                   "\"C:\\windows\\system32\\notepad.exe\" \"%1\"");
    }
    ~TestAssociation() {
        RegDeleteTreeA(HKEY_CLASSES_ROOT, ".kovtest");
        RegDeleteTreeA(HKEY_CLASSES_ROOT, "KOV.TestFile");
    }

  private:
    static void SetDefault(const char* key, const std::string& value) {
        HKEY handle = nullptr;
        RegCreateKeyExA(HKEY_CLASSES_ROOT, key, 0, nullptr, 0, KEY_WRITE, nullptr, &handle,
                        nullptr);
        RegSetValueExA(handle, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                       static_cast<DWORD>(value.size() + 1));
        RegCloseKey(handle);
    }
};

TEST(Win32Shell, FindsTheAssociatedProgramAndReportsFailures) {
    testing::TempFolder folder;
    Win32Files().WriteNewFile(folder / "Temp.kovtest", "");
    Win32Shell shell;
    {
        TestAssociation association;
        const auto program = shell.FindExecutable(folder / "Temp.kovtest");
        ASSERT_TRUE(program);
        EXPECT_NE(FoldCase(*program).find("notepad.exe"), std::string::npos) << *program;
    }
    EXPECT_FALSE(shell.FindExecutable(folder / "none.htm"));
    EXPECT_LE(shell.ShellExecute({false, std::nullopt, folder / "missing.exe", "", "", 1}), 32);
    EXPECT_EQ(shell.StartProcess("\"" + (folder / "missing.exe") + "\"", 1), 0u);
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
        shell.ShellExecute({false, std::nullopt, "C:\\missing-kov-test.exe", "", "", 1});
        EXPECT_TRUE(InComApartment());
    }
    EXPECT_FALSE(InComApartment());
}

TEST(Win32TempFolder, NamesAnExistingFolderWithoutFinalBackslash) {
    const auto temp = Win32TempFolder().UserTempFolder();
    ASSERT_FALSE(temp.empty());
    EXPECT_FALSE(temp.ends_with('\\'));
    const DWORD attributes = GetFileAttributesA(temp.c_str());
    EXPECT_NE(attributes & FILE_ATTRIBUTE_DIRECTORY, 0u);
}

TEST(Win32Clock, DatesUseTheLocaleAndTheCurrentTime) {
    Win32Clock clock;
    SYSTEMTIME now;
    GetLocalTime(&now);
    EXPECT_EQ(sReplaceDate("\xC2\xA6"
                           "d(yyyy)",
                           clock),
              std::to_string(now.wYear));
    const platform::LocalDateTime sunday{2024, 3, 3, 9, 5, 0, 0};
    // Wine's default prefix speaks English.
    EXPECT_EQ(FormatDateTime("dddd ddd mmmm mmm", sunday, clock), "Sunday Sun March Mar");
    EXPECT_EQ(FormatDateTime("hh:nn AMPM", sunday, clock), "09:05 AM");
    EXPECT_NE(clock.ShortDate(sunday).find("2024"), std::string::npos);
    EXPECT_NE(clock.LongTime(sunday).find("05"), std::string::npos);
}

// A 3 x 2 bitmap file of 24-bit pixels.
std::string TinyBitmap() {
    const int width = 3, height = 2, stride = 12;
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER info{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + stride * height;
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    std::string bytes(reinterpret_cast<const char*>(&file), sizeof file);
    bytes.append(reinterpret_cast<const char*>(&info), sizeof info);
    bytes.append(stride * height, '\x7F');
    return bytes;
}

TEST(Win32Pictures, DecodesPicturesAndRefusesTheRest) {
    testing::TempFolder folder;
    Win32Files files;
    files.WriteNewFile(folder / "a.bmp", TinyBitmap());
    files.WriteNewFile(folder / "bad.jpg", "not a picture");
    Win32Pictures pictures;
    const auto picture = pictures.LoadPicture(folder / "a.bmp");
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->Width(), 3);
    EXPECT_EQ(picture->Height(), 2);
    EXPECT_EQ(pictures.LoadPicture(folder / "bad.jpg"), nullptr);
    EXPECT_EQ(pictures.LoadPicture(folder / "missing.bmp"), nullptr);
}

TEST(Win32Pictures, TheBitmapGoesWithTheLastReference) {
    testing::TempFolder folder;
    Win32Files().WriteNewFile(folder / "a.bmp", TinyBitmap());
    Win32Pictures pictures;
    const DWORD before = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    for (int i = 0; i < 20; ++i) {
        auto picture = pictures.LoadPicture(folder / "a.bmp");
        ASSERT_NE(picture, nullptr);
        auto copy = picture;
    }
    EXPECT_LE(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), before + 2);
}

}  // namespace
}  // namespace kov::win32
