// An owner of one reference to a COM object, released when it goes.
#pragma once

#include "platform/win32/windows_api.h"

#include <unknwn.h>

#include <memory>

namespace kov::win32 {

struct ReleaseUnknown {
    void operator()(IUnknown* object) const { object->Release(); }
};

template <typename Interface>
using ComPtr = std::unique_ptr<Interface, ReleaseUnknown>;

// What a call that hands back an interface through its last argument made; null when it failed.
template <typename Interface, typename Call>
ComPtr<Interface> Receive(Call call) {
    Interface* raw = nullptr;
    call(&raw);
    return ComPtr<Interface>(raw);
}

}  // namespace kov::win32
