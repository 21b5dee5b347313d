// Any bytes as a command part: expansion must end and read only what the text asks for. The
// first byte picks the URL flag and whether the clipboard holds text and files.
#include <cstddef>
#include <cstdint>
#include <string>

#include "commands/expand_string.h"
#include "tests/fakes/fake_platform.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const auto switches = data[0];
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    kov::fakes::FakePlatform fake;
    fake.environment.variables["windir"] = "C:\\windows";
    if (switches & 2)
        fake.clipboard.text =
            "a b&c\xC2\xA6s\xC2\xA6"
            "f%windir%";
    if (switches & 4) fake.clipboard.files = std::vector<std::string>{"C:\\a.txt", "C:\\b c.txt"};
    kov::MenuSettings settings;
    settings.StringBefore = "\"";
    kov::Expander expander(fake.environment, "C:\\Tools\\Menu", fake.clipboard, fake.clock,
                           settings);
    expander.sExpandString(text, (switches & 1) != 0);
    if (fake.clock.reads > 1) __builtin_trap();  // the time is read once per text
    return 0;
}
