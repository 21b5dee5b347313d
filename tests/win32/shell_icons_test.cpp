// The shell's icons of the entries, looked up as the worker looks them up.
#include <gtest/gtest.h>

#include "odmenu/win32/shell_icon_worker.h"
#include "platform/win32/com_apartment.h"

namespace kov::win32 {
namespace {

// A program launched by a name registered under the application paths, whose value needs
// expanding.
TEST(ShellIconLookup, FindsProgramsByTheirRegisteredApplicationPath) {
    const ComApartment apartment;
    const wchar_t* key =
        L"Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\kovregistered.exe";
    const wchar_t value[] = L"%SystemRoot%\\system32\\notepad.exe";
    RegSetKeyValueW(HKEY_CURRENT_USER, key, nullptr, REG_EXPAND_SZ, value, sizeof value);
    const bool found = bool(LookUpShellIcon({"kovregistered"}, 16));
    RegDeleteKeyW(HKEY_CURRENT_USER, key);
    EXPECT_TRUE(found);
}

}  // namespace
}  // namespace kov::win32
