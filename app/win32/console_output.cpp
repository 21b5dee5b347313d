#include "app/win32/console_output.h"

#include <algorithm>

#include "platform/win32/handles.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/windows_api.h"

namespace kov::win32 {

void WriteToParentConsole(std::string_view text) {
    HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    UniqueFile console;
    if (out == nullptr || out == INVALID_HANDLE_VALUE || GetFileType(out) == FILE_TYPE_UNKNOWN) {
        if (!AttachConsole(ATTACH_PARENT_PROCESS)) return;
        console.reset(CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                                  nullptr));
        if (!console) return;
        out = console.get();
    }
    DWORD mode = 0;
    DWORD written = 0;
    if (GetConsoleMode(out, &mode)) {
        // Older consoles refuse a single write much beyond 64 KB.
        constexpr std::size_t kChunk = 8192;
        const auto wide = Widen(text);
        for (std::size_t at = 0; at < wide.size(); at += kChunk) {
            const auto size = static_cast<DWORD>(std::min(kChunk, wide.size() - at));
            if (!WriteConsoleW(out, wide.data() + at, size, &written, nullptr)) return;
        }
    } else {
        WriteFile(out, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    }
}

}  // namespace kov::win32
