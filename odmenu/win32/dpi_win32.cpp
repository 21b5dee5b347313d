#include "odmenu/win32/dpi_win32.h"

#include "odmenu/dpi_scale.h"
#include "platform/win32/handles.h"

namespace kov::win32 {

namespace {

// An entry point of a system library that older Windows versions lack; null there.
template <typename Function>
Function SystemFunction(const char* library, const char* name) {
    HMODULE module = GetModuleHandleA(library);
    if (module == nullptr) module = LoadLibraryA(library);
    if (module == nullptr) return nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

int SystemDpi() {
    const WindowDC screen(nullptr);
    const int dpi = screen.get() != nullptr ? GetDeviceCaps(screen.get(), LOGPIXELSY) : 0;
    return dpi > 0 ? dpi : kDesignDpi;
}

}  // namespace

int CursorMonitorDpi() {
    using GetDpiForMonitorFn = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
    static const auto getDpiForMonitor =
        SystemFunction<GetDpiForMonitorFn>("shcore.dll", "GetDpiForMonitor");
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
    return SystemDpi();
}

int WindowDpi(HWND window) {
    using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow =
        SystemFunction<GetDpiForWindowFn>("user32.dll", "GetDpiForWindow");
    const UINT dpi = getDpiForWindow != nullptr ? getDpiForWindow(window) : 0;
    return dpi > 0 ? static_cast<int>(dpi) : SystemDpi();
}

bool NonClientMetricsForDpi(NONCLIENTMETRICSA& metrics, int dpi) {
    using ForDpiFn = BOOL(WINAPI*)(UINT, UINT, void*, UINT, UINT);
    static const auto forDpi = SystemFunction<ForDpiFn>("user32.dll", "SystemParametersInfoForDpi");
    metrics = {};
    metrics.cbSize = sizeof metrics;
    if (forDpi != nullptr) {
        // The wide structure is the one this call knows; only the fonts' heights differ from
        // the system's, so they are carried over into the ANSI one read below.
        NONCLIENTMETRICSW wide{};
        wide.cbSize = sizeof wide;
        if (forDpi(SPI_GETNONCLIENTMETRICS, sizeof wide, &wide, 0, static_cast<UINT>(dpi)) &&
            SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
            metrics.lfMenuFont.lfHeight = wide.lfMenuFont.lfHeight;
            metrics.lfMessageFont.lfHeight = wide.lfMessageFont.lfHeight;
            return true;
        }
    }
    if (!SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) return false;
    const int system = SystemDpi();
    metrics.lfMenuFont.lfHeight = MulDiv(metrics.lfMenuFont.lfHeight, dpi, system);
    metrics.lfMessageFont.lfHeight = MulDiv(metrics.lfMessageFont.lfHeight, dpi, system);
    return true;
}

}  // namespace kov::win32
