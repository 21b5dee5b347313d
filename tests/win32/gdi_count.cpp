#include "tests/win32/gdi_count.h"

#include "platform/win32/windows_api.h"

#include <cstdint>
#include <cstring>

namespace kov::win32::testing {

namespace {

// One entry of the handle table, as Wine lays it out (and 64-bit Windows before version 10).
struct GdiHandleEntry {
    std::uint64_t object;
    std::uint32_t owner;
    std::uint16_t unique;
    std::uint8_t type;  // 0 for a free entry
    std::uint8_t flags;
    std::uint64_t userPointer;
};
static_assert(sizeof(GdiHandleEntry) == 24);
constexpr std::size_t kMaxHandles = 0x10000;

const GdiHandleEntry* HandleTable() {
#if defined(_WIN64)
    // TEB.ProcessEnvironmentBlock; read directly, as GCC 12 misreads the intrinsic's bounds.
    const unsigned char* peb = nullptr;
    asm("movq %%gs:0x60, %0" : "=r"(peb));
    const GdiHandleEntry* table = nullptr;
    std::memcpy(&table, peb + 0xF8, sizeof table);  // PEB.GdiSharedHandleTable
    return table;
#else
    return nullptr;
#endif
}

}  // namespace

unsigned long GdiObjectCount() {
    if (const DWORD count = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS); count != 0) {
        return count;
    }
    const GdiHandleEntry* table = HandleTable();
    if (table == nullptr) return 0;
    unsigned long live = 0;
    for (std::size_t i = 0; i < kMaxHandles; ++i) live += table[i].type != 0;
    return live;
}

}  // namespace kov::win32::testing
