// Any bytes as a command part: expansion (date placeholders and their formats included) must end
// and read the time at most once. The first byte picks the URL flag, whether the clipboard holds
// text and files, and the hour.
#include <cstddef>
#include <cstdint>
#include <string>

#include "tests/fakes/fake_menu_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    kov::fakes::FakePlatform fake;
    fake.environment.variables["windir"] = "C:\\windows";
    if (data[0] & 2) fake.clipboard.text = "a b&c\xC2\xA6s\xC2\xA6\x66%windir%";
    if (data[0] & 4) fake.clipboard.files = std::vector<std::string>{"C:\\a.txt", "C:\\b c.txt"};
    fake.clock.now.hour = (data[0] >> 3) % 24;
    kov::fakes::FakeMenuFile menuFile(fake);
    menuFile.settings.StringBefore = "\"";
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    menuFile.expander.sExpandString(text, data[0] & 1);
    if (fake.clock.reads > 1) __builtin_trap();
    return 0;
}
