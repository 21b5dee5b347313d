// A single-threaded COM apartment entered for the life of this object on its thread, and left
// only if entering succeeded: the shell's icon and launch handlers and the accessibility
// services may be COM objects that want one.
#pragma once

#include "platform/win32/windows_api.h"

#include <objbase.h>

namespace kov::win32 {

class ComApartment {
  public:
    ComApartment()
        : entered_(SUCCEEDED(
              CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {}
    ~ComApartment() {
        if (entered_) CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

  private:
    bool entered_;
};

}  // namespace kov::win32
