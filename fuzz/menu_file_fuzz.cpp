// Any bytes as a menu file: the decoder must give valid UTF-8 that compares equal to its own
// case folding, and the builder must end, build something and touch nothing else.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/text.h"
#include "core/text_encoding.h"
#include "core/utf8.h"
#include "tests/fakes/fake_menu_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    kov::fakes::FakePlatform fake;
    const auto decoded =
        kov::DecodeText({reinterpret_cast<const char*>(data), size}, fake.ansi).text;
    bool multiByte = false;
    if (!kov::IsValidUtf8(decoded, multiByte)) __builtin_trap();
    if (!kov::EqualsNoCase(decoded, kov::FoldCase(decoded))) __builtin_trap();
    const std::string path = "C:\\Tools\\Menu\\KOV.mnu";
    fake.files.files[path] = std::string(reinterpret_cast<const char*>(data), size);
    kov::fakes::FakeMenuFile menuFile(fake);
    const auto root = fake.menus.CreatePopupMenu();
    const auto lines = menuFile.Read(path, root);
    if (!lines || fake.files.files.size() != 1) __builtin_trap();
    fake.menus.OpenEverySubmenu(root, [&](auto menu) { menuFile.folderMenus.FillOnOpen(menu); });
    fake.menus.Dump(root);
    return 0;
}
