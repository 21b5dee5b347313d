#include "app/win32/main_window.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/win32/handles.h"

namespace kov::win32 {
namespace {

TEST(Win32MainWindow, HandsEveryOpeningPopupToItsHandler) {
    Win32MainWindow window(GetModuleHandleA(nullptr));
    ASSERT_TRUE(window.Exists());
    std::vector<platform::MenuHandle> opened;
    window.OnInitMenuPopup([&opened](platform::MenuHandle menu) { opened.push_back(menu); });
    UniqueMenu menu(CreatePopupMenu());
    EXPECT_EQ(SendMessageA(window.Handle(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu.get()),
                           MAKELPARAM(0, FALSE)),
              0);
    EXPECT_EQ(opened, std::vector<platform::MenuHandle>{
                          reinterpret_cast<platform::MenuHandle>(menu.get())});
}

}  // namespace
}  // namespace kov::win32
