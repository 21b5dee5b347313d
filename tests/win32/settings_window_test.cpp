// The settings window, made after a popup that loaded neither the program's icons nor the
// themed common controls.
#include "app/win32/main_window.h"

#include <gtest/gtest.h>

#include <string>

namespace kov::win32 {
namespace {

struct NoEvents : platform::SettingsEvents {
    std::string lstTranslationStrings_Click(std::size_t, const std::string&) override { return {}; }
    std::string ListToolTip(long) const override { return {}; }
    void cmdSave_Click(const std::string&) override {}
    void cmdCreateNew_Click() override {}
    void SystemMenuAbout() override {}
    const std::vector<std::string>& TranslationEntries() const override { return entries; }
    bool EditingEnabled() const override { return false; }
    std::vector<std::string> entries;
};

TEST(SettingsWindow, HasTheProgramsIconsAndThemedControls) {
    NoEvents events;
    {
        Win32MainWindow window(GetModuleHandleW(nullptr), "KOV");
        window.SetSettingsContent({}, events);
        const auto icon = [&](WPARAM kind) {
            return SendMessageW(window.Handle(), WM_GETICON, kind, 0) != 0;
        };
        EXPECT_FALSE(icon(ICON_BIG));
        window.ShowAsSettingsWindow();
        EXPECT_TRUE(icon(ICON_BIG) && icon(ICON_SMALL));
        // The common controls' own button class, not the system's, which a button made
        // outside the settings window still has.
        const HWND button = FindWindowExW(window.Handle(), nullptr, L"Button", nullptr);
        const HWND plain = CreateWindowExW(0, L"BUTTON", L"", WS_CHILD, 0, 0, 1, 1, window.Handle(),
                                           nullptr, nullptr, nullptr);
        ASSERT_TRUE(button && plain);
        EXPECT_NE(GetClassLongPtrW(button, GCW_ATOM), GetClassLongPtrW(plain, GCW_ATOM));
    }
    // The window's end asked the message loop to end: no later test's loop may see that.
    MSG quit;
    PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}

}  // namespace
}  // namespace kov::win32
