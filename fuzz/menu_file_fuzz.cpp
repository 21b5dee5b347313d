// Any bytes as a menu file: the decoder must give valid UTF-8 that compares equal to its own
// case folding, and the builder must end, build something and touch nothing else.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/text.h"
#include "core/utf8.h"
#include "tests/fakes/fake_menu_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    kov::fakes::FakePlatform fake;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto decoded = kov::DecodeText(bytes, fake.ansi).text;
    bool multiByte = false;
    if (!kov::IsValidUtf8(decoded, multiByte)) __builtin_trap();
    if (!kov::EqualsNoCase(decoded, kov::FoldCase(decoded))) __builtin_trap();
    fake.files.files["C:\\M\\KOV.mnu"] = bytes;
    kov::fakes::FakeMenuFile menuFile(fake);
    const auto root = fake.menus.CreatePopupMenu();
    if (!menuFile.Read("C:\\M\\KOV.mnu", root) || fake.files.files.size() != 1) __builtin_trap();
    fake.menus.OpenEverySubmenu(root, [&](auto menu) { menuFile.folderMenus.FillOnOpen(menu); });
    return 0;
}
