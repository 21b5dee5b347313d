// Any text after "@" as a settings line: conversions must never fail loudly.
#include <cstddef>
#include <cstdint>
#include <string>

#include "menufile/settings_directives.h"
#include "tests/fakes/fake_platform.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    kov::fakes::FakeEnvironment environment;
    environment.variables["windir"] = "C:\\windows";
    kov::Expander expander(environment, "C:\\Tools\\Menu");
    kov::NumberFormat numbers;
    kov::SettingsContext context{numbers, expander};
    kov::MenuSettings settings;
    const std::string line = "@" + std::string(reinterpret_cast<const char*>(data), size);
    kov::ApplySettingsLine(line, settings, context);
    return 0;
}
