#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <thread>

#include "menufile/date_format.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_files.h"
#include "platform/win32/win32_pictures.h"
#include "platform/win32/win32_shell.h"
// After windows.h, which it needs.
#include <objbase.h>
#include "platform/win32/win32_top_windows.h"
#include "tests/win32/gdi_count.h"
#include "tests/win32/temp_folder.h"

namespace kov::win32 {
namespace {

TEST(Win32TopWindows, ListsHiddenWindowsWithLongTitlesMarksItsOwnAndClosesThem) {
    Win32TopWindows windows;
    const std::string title = "KOV test: Some NOTEPAD thing " + std::string(400, 't');
    HWND hidden = CreateWindowExA(0, "STATIC", title.c_str(), WS_OVERLAPPED, 0, 0, 10, 10, nullptr,
                                  nullptr, GetModuleHandleA(nullptr), nullptr);  // never shown
    const auto listed = windows.Enumerate();
    EXPECT_TRUE(std::any_of(listed.begin(), listed.end(), [&](const platform::TopWindow& w) {
        return w.handle == reinterpret_cast<platform::WindowHandle>(hidden) &&
               w.title == title.substr(0, 259) && w.own && !w.shell;
    }));
    const auto shellWindows = std::count_if(listed.begin(), listed.end(),
                                            [](const platform::TopWindow& w) { return w.shell; });
    EXPECT_EQ(shellWindows, GetShellWindow() != nullptr ? 1 : 0);
    windows.PostClose(reinterpret_cast<platform::WindowHandle>(hidden));
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    MSG message;
    while (IsWindow(hidden) && std::chrono::steady_clock::now() < deadline) {
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_FALSE(IsWindow(hidden));
}

// Whether COM is initialised on this thread; asking leaves it as it was.
bool InComApartment() {
    const HRESULT result = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    if (SUCCEEDED(result)) CoUninitialize();
    return result != S_OK;
}

TEST(Win32Shell, ShellCallsRunInAComApartmentThatEndsWithTheShellAndReportFailures) {
    if (InComApartment()) GTEST_SKIP() << "an earlier test of this process initialised COM";
    {
        testing::TempFolder folder;
        Win32Files().WriteNewFile(folder / "none.kovnone", "");
        Win32Shell shell;
        EXPECT_FALSE(InComApartment());  // the popup comes first: COM starts with the shell
        EXPECT_LE(shell.ShellExecute({false, std::nullopt, folder / "missing.exe", "", "", 1}), 32);
        EXPECT_TRUE(InComApartment());
        EXPECT_FALSE(shell.FindExecutable(folder / "none.kovnone"));
        EXPECT_EQ(shell.StartProcess("\"" + (folder / "missing.exe") + "\"", 1), 0u);
    }
    EXPECT_FALSE(InComApartment());
}

TEST(Win32Clock, DatesUseTheLocaleAndTheCurrentTime) {
    Win32Clock clock;
    SYSTEMTIME now;
    GetLocalTime(&now);
    EXPECT_EQ(clock.Now().year, now.wYear);
    const platform::LocalDateTime sunday{2024, 3, 3, 9, 5, 0, 0};
    // Wine's default prefix speaks English.
    EXPECT_EQ(FormatDateTime("dddd ddd mmmm mmm hh:nn AMPM", sunday, clock),
              "Sunday Sun March Mar 09:05 AM");
    EXPECT_NE(clock.ShortDate(sunday).find("2024"), std::string::npos);
    EXPECT_NE(clock.LongTime(sunday).find("05"), std::string::npos);
}

TEST(Win32Pictures, DecodesPicturesRefusesTheRestAndFreesWithTheLastReference) {
    testing::TempFolder folder;
    testing::WriteBitmap(folder / "a.bmp", 3, 2);
    Win32Files().WriteNewFile(folder / "bad.jpg", "not a picture");
    Win32Pictures pictures;
    EXPECT_EQ(pictures.LoadPicture(folder / "bad.jpg"), nullptr);
    EXPECT_EQ(pictures.LoadPicture(folder / "missing.bmp"), nullptr);
    pictures.LoadPicture(folder / "a.bmp");  // the first load keeps what the decoder needs
    const auto before = testing::GdiObjectCount();
    {
        const auto picture = pictures.LoadPicture(folder / "a.bmp");
        ASSERT_NE(picture, nullptr);
        EXPECT_EQ(picture->Width(), 3);
        EXPECT_EQ(picture->Height(), 2);
        const auto copy = picture;
        EXPECT_EQ(testing::GdiObjectCount(), before + 1);
    }
    EXPECT_EQ(testing::GdiObjectCount(), before);
}

}  // namespace
}  // namespace kov::win32
