#include "platform/win32/window_subclass.h"

#include <gtest/gtest.h>

#include <string>

#include "app/win32/system_menu.h"

namespace kov::win32 {
namespace {

std::string seen;

template <char Name>
LRESULT CALLBACK Recording(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_APP) seen += Name;
    return CallNextWindowProcedure(&Recording<Name>, window, message, wParam, lParam);
}

TEST(WindowSubclass, ProceduresComeOffInAnyOrderAndTheWindowKeepsItsOwn) {
    for (const bool lowerFirst : {true, false}) {
        HWND window =
            CreateWindowW(L"STATIC", L"own", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
        const LONG_PTR own = GetWindowLongPtrW(window, GWLP_WNDPROC);
        ASSERT_TRUE(AddWindowProcedure(window, &Recording<'a'>));
        ASSERT_TRUE(AddWindowProcedure(window, &Recording<'b'>));
        seen.clear();
        SendMessageW(window, WM_APP, 0, 0);
        EXPECT_EQ(seen, "ba");

        RemoveWindowProcedure(window, lowerFirst ? &Recording<'a'> : &Recording<'b'>);
        SendMessageW(window, WM_APP, 0, 0);
        EXPECT_EQ(seen, lowerFirst ? "bab" : "baa");
        EXPECT_EQ(GetWindowTextLengthW(window), 3) << "the window's own procedure answers";

        RemoveWindowProcedure(window, lowerFirst ? &Recording<'b'> : &Recording<'a'>);
        EXPECT_EQ(GetWindowLongPtrW(window, GWLP_WNDPROC), own);
        DestroyWindow(window);
    }
}

struct AboutCounter : platform::SettingsEvents {
    std::string lstTranslationStrings_Click(std::size_t, const std::string&) override { return {}; }
    std::string ListToolTip(long) const override { return {}; }
    void cmdSave_Click(const std::string&) override {}
    void cmdCreateNew_Click() override {}
    void SystemMenuAbout() override { ++abouts; }
    const std::vector<std::string>& TranslationEntries() const override { return entries; }
    bool EditingEnabled() const override { return false; }
    std::vector<std::string> entries;
    int abouts = 0;
};

TEST(SystemMenu, ItsAboutEntryReachesTheSettingsUntilUnhooked) {
    HWND window =
        CreateWindowW(L"STATIC", L"", WS_SYSMENU, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    AboutCounter events;
    HookSystemMenu(window, "About", events);
    const int entries = GetMenuItemCount(GetSystemMenu(window, FALSE));
    const UINT aboutId = GetMenuItemID(GetSystemMenu(window, FALSE), entries - 1);
    SendMessageW(window, WM_SYSCOMMAND, aboutId, 0);
    SendMessageW(window, WM_SYSCOMMAND, aboutId | 0x10000, 0);  // another command's low bits
    UnhookSystemMenu(window);
    SendMessageW(window, WM_SYSCOMMAND, aboutId, 0);
    EXPECT_EQ(events.abouts, 1);
    DestroyWindow(window);
}

}  // namespace
}  // namespace kov::win32
