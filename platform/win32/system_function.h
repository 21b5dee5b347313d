// Entry points of system libraries looked up at run time: those older Windows versions lack, and
// those of libraries that should not load with the program.
#pragma once

#include "platform/win32/windows_api.h"

namespace kov::win32 {

// The entry point, loading its library when needed; null where it does not exist.
template <typename Function>
Function SystemFunction(const wchar_t* library, const char* name) {
    HMODULE module = GetModuleHandleW(library);
    if (module == nullptr) module = LoadLibraryW(library);
    if (module == nullptr) return nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

}  // namespace kov::win32
