// Names that screen readers announce for controls without a label of their own, set through
// the system's dynamic annotation service.
#pragma once

#include "platform/win32/windows_api.h"

#include <string>

namespace kov::win32 {

// False where the service is missing; the control then keeps the name the system finds for it.
bool SetAccessibleName(HWND control, const std::string& name);

}  // namespace kov::win32
