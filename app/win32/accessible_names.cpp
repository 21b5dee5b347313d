#include "app/win32/accessible_names.h"

#include <oleacc.h>

#include "platform/win32/com_apartment.h"
#include "platform/win32/wide_text.h"

namespace kov::win32 {

bool SetAccessibleName(HWND control, const std::string& name) {
    const ComApartment apartment;
    IAccPropServices* services = nullptr;
    bool named = false;
    if (SUCCEEDED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                   IID_IAccPropServices, reinterpret_cast<void**>(&services)))) {
        named =
            SUCCEEDED(services->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT),
                                               CHILDID_SELF, PROPID_ACC_NAME, Widen(name).c_str()));
        services->Release();
    }
    return named;
}

}  // namespace kov::win32
