// Window layouts are designed in twips (1/1440 inch) and placed in pixels of the screen.
#pragma once

#include "platform/win32/windows_api.h"

namespace kov::win32 {

class Twips {
public:
    Twips() {
        HDC screen = GetDC(nullptr);
        pixelsPerInch_ = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
        if (screen) ReleaseDC(nullptr, screen);
    }
    int operator()(int twips) const { return MulDiv(twips, pixelsPerInch_, 1440); }

private:
    int pixelsPerInch_;
};

}  // namespace kov::win32
