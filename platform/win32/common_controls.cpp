#include "platform/win32/common_controls.h"

#include "platform/win32/handles.h"
#include "resources/manifest_ids.h"

namespace kov::win32 {

namespace {

struct ActivationContextTraits {
    using Handle = HANDLE;
    static Handle Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(Handle handle) { ReleaseActCtx(handle); }
};

// Made from the program's own resource the first time it is wanted, and kept for the run.
HANDLE CommonControlsContext() {
    static const UniqueHandle<ActivationContextTraits> context([] {
        ACTCTXW request{};
        request.cbSize = sizeof request;
        request.dwFlags = ACTCTX_FLAG_HMODULE_VALID | ACTCTX_FLAG_RESOURCE_NAME_VALID;
        request.hModule = GetModuleHandleW(nullptr);
        request.lpResourceName = MAKEINTRESOURCEW(KOV_COMMON_CONTROLS_MANIFEST);
        return CreateActCtxW(&request);
    }());
    return context.get();
}

}  // namespace

CommonControlsScope::CommonControlsScope() {
    const HANDLE context = CommonControlsContext();
    active_ = context != INVALID_HANDLE_VALUE && ActivateActCtx(context, &cookie_);
}

CommonControlsScope::~CommonControlsScope() {
    if (active_) DeactivateActCtx(0, cookie_);
}

}  // namespace kov::win32
