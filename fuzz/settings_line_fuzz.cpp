// Any text after "@" as a settings line: conversions must never fail loudly.
#include <cstddef>
#include <cstdint>
#include <string>

#include "tests/fakes/fake_menu_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    kov::fakes::FakePlatform fake;
    fake.environment.variables["windir"] = "C:\\windows";
    fake.files.files["C:\\windows\\a.ico"] = "";
    fake.pictures.decodable = {"C:\\windows\\a.ico"};
    kov::fakes::FakeMenuFile menuFile(fake);
    const std::string line = "@" + std::string(reinterpret_cast<const char*>(data), size);
    kov::ApplySettingsLine(line, menuFile.settings, menuFile.settingsContext);
    return 0;
}
