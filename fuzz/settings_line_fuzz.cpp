// Any text after "@" as a settings line: conversions must never fail loudly.
#include <cstddef>
#include <cstdint>
#include <string>

#include "commands/expand_string.h"
#include "menufile/settings_directives.h"
#include "tests/fakes/fake_platform.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    kov::fakes::FakePlatform fake;
    fake.environment.variables["windir"] = "C:\\windows";
    fake.files.files["C:\\windows\\a.ico"] = "";
    fake.pictures.decodable = {"C:\\windows\\a.ico"};
    kov::MenuSettings settings;
    kov::Expander expander(fake.environment, "C:\\Tools\\Menu", fake.clipboard, fake.clock,
                           settings);
    kov::NumberFormat numbers;
    kov::CustomIconTable icons;
    kov::SettingsContext context{numbers, expander, fake.pictures, fake.files, icons};
    const std::string line = "@" + std::string(reinterpret_cast<const char*>(data), size);
    kov::ApplySettingsLine(line, settings, context);
    return 0;
}
