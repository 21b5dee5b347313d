#include "odmenu/win32/dpi_win32.h"

#include "odmenu/dpi_scale.h"
#include "platform/win32/handles.h"
#include "platform/win32/system_function.h"

namespace kov::win32 {

namespace {

int SystemDpi() {
    const WindowDC screen(nullptr);
    const int dpi = screen.get() != nullptr ? GetDeviceCaps(screen.get(), LOGPIXELSY) : 0;
    return dpi > 0 ? dpi : kDesignDpi;
}

}  // namespace

int WindowDpi(HWND window) {
    using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow =
        SystemFunction<GetDpiForWindowFn>(L"user32.dll", "GetDpiForWindow");
    const UINT dpi = getDpiForWindow != nullptr ? getDpiForWindow(window) : 0;
    return dpi > 0 ? static_cast<int>(dpi) : SystemDpi();
}

int PopupDpi(HWND window) {
    // With one monitor it is the window's; only several monitors need the monitor API, whose
    // library would otherwise be loaded before every popup.
    if (GetSystemMetrics(SM_CMONITORS) <= 1) return WindowDpi(window);
    using GetDpiForMonitorFn = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
    static const auto getDpiForMonitor =
        SystemFunction<GetDpiForMonitorFn>(L"shcore.dll", "GetDpiForMonitor");
    POINT cursor{};
    GetCursorPos(&cursor);
    UINT x = 0, y = 0;
    constexpr int kEffectiveDpi = 0;
    if (getDpiForMonitor != nullptr &&
        SUCCEEDED(getDpiForMonitor(MonitorFromPoint(cursor, MONITOR_DEFAULTTONEAREST),
                                   kEffectiveDpi, &x, &y)) &&
        y > 0) {
        return static_cast<int>(y);
    }
    return WindowDpi(window);
}

std::optional<SystemFonts> SystemFontsForDpi(int dpi) {
    using ForDpiFn = BOOL(WINAPI*)(UINT, UINT, void*, UINT, UINT);
    static const auto forDpi =
        SystemFunction<ForDpiFn>(L"user32.dll", "SystemParametersInfoForDpi");
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (forDpi != nullptr &&
        forDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, static_cast<UINT>(dpi)))
        return SystemFonts{metrics.lfMenuFont, metrics.lfMessageFont};
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
        return std::nullopt;
    // Before Windows 10 the metrics are the system DPI's.
    const int system = SystemDpi();
    metrics.lfMenuFont.lfHeight = MulDiv(metrics.lfMenuFont.lfHeight, dpi, system);
    metrics.lfMessageFont.lfHeight = MulDiv(metrics.lfMessageFont.lfHeight, dpi, system);
    return SystemFonts{metrics.lfMenuFont, metrics.lfMessageFont};
}

}  // namespace kov::win32
