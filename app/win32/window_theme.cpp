#include "app/win32/window_theme.h"

#include "odmenu/menu_colors.h"
#include "platform/win32/win32_system_look.h"
#include "platform/win32/window_look.h"

namespace kov::win32 {

void FollowAppTheme(HWND window) {
    if (AppsUseDarkTheme(Win32SystemLook().AppsUseLightTheme())) UseDarkTitleBar(window);
}

}  // namespace kov::win32
