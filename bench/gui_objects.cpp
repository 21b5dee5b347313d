// Prints the GDI and USER objects a running program holds, for benchmarks that check that a
// program's object counts stay flat: "gdi N user M" for the first process of the exe name given.
// Where GetGuiResources answers 0 (Wine 8 leaves it a stub), the GDI figure is the number of
// live entries of the program's GDI handle table, read from its memory, and the USER figure
// is "-": the system keeps no per-process count of them that another program can read.
#include <windows.h>

#include <tlhelp32.h>
#include <winternl.h>

#include <cstdint>
#include <cstdio>
#include <vector>

#include "tests/win32/gdi_handle_table.h"

namespace {

DWORD ProcessNamed(const wchar_t* name) {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return 0;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    DWORD found = 0;
    for (BOOL more = Process32FirstW(snapshot, &entry); more && found == 0;
         more = Process32NextW(snapshot, &entry)) {
        if (lstrcmpiW(entry.szExeFile, name) == 0) found = entry.th32ProcessID;
    }
    CloseHandle(snapshot);
    return found;
}

template <typename T>
bool Read(HANDLE process, std::uint64_t address, T* to, std::size_t count = 1) {
    SIZE_T read = 0;
    return ReadProcessMemory(process, reinterpret_cast<const void*>(address), to, count * sizeof(T),
                             &read) &&
           read == count * sizeof(T);
}

// -1 where the table cannot be read, and for a 32-bit helper, whose layouts differ.
long LiveGdiEntries(HANDLE process) {
#if !defined(_WIN64)
    (void)process;
    return -1;
#else
    PROCESS_BASIC_INFORMATION basic{};
    if (NtQueryInformationProcess(process, ProcessBasicInformation, &basic, sizeof basic,
                                  nullptr) != 0) {
        return -1;
    }
    std::uint64_t table = 0;
    if (!Read(process, reinterpret_cast<std::uint64_t>(basic.PebBaseAddress) + kov::kGdiTableInPeb,
              &table) ||
        table == 0) {
        return -1;
    }
    std::vector<kov::GdiHandleEntry> entries(kov::kMaxGdiHandles);
    if (!Read(process, table, entries.data(), entries.size())) return -1;
    return kov::CountLiveEntries(entries.data());
#endif
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) {
        std::fputs("usage: gui_objects PROGRAM.exe\n", stderr);
        return 2;
    }
    const DWORD id = ProcessNamed(argv[1]);
    HANDLE process =
        id != 0 ? OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, id) : nullptr;
    if (process == nullptr) {
        std::fputs("no such process\n", stderr);
        return 1;
    }
    const DWORD gdi = GetGuiResources(process, GR_GDIOBJECTS);
    const DWORD user = GetGuiResources(process, GR_USEROBJECTS);
    if (gdi != 0) {
        std::printf("gdi %lu user %lu\n", gdi, user);
    } else {
        std::printf("gdi %ld user -\n", LiveGdiEntries(process));
    }
    CloseHandle(process);
    return 0;
}
