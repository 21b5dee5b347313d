// The GDI handle table of a 64-bit process, as Wine lays it out (and 64-bit Windows before 10).
// Where GetGuiResources answers 0 (Wine 8 leaves it a stub), its live entries are the process's
// GDI objects: every font, bitmap, brush and device context, whoever made it.
#pragma once

#include <cstddef>
#include <cstdint>

namespace kov {

struct GdiHandleEntry {
    std::uint64_t object;
    std::uint32_t owner;
    std::uint16_t unique;
    std::uint8_t type;  // 0 for a free entry
    std::uint8_t flags;
    std::uint64_t userPointer;
};
static_assert(sizeof(GdiHandleEntry) == 24);

inline constexpr std::size_t kMaxGdiHandles = 0x10000;
inline constexpr std::size_t kGdiTableInPeb = 0xF8;  // PEB.GdiSharedHandleTable

inline long CountLiveEntries(const GdiHandleEntry* table) {
    long live = 0;
    for (std::size_t i = 0; i < kMaxGdiHandles; ++i) live += table[i].type != 0;
    return live;
}

}  // namespace kov
