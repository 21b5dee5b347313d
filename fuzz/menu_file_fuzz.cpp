// Any bytes as a menu file: the builder must end, build something and touch nothing else.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "menufile/menu_builder.h"
#include "tests/fakes/fake_platform.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    kov::fakes::FakePlatform fake;
    const std::string path = "C:\\Tools\\Menu\\KOV.mnu";
    fake.files.files[path] = std::string(reinterpret_cast<const char*>(data), size);
    kov::MenuSettings settings;
    kov::Expander expander(fake.environment, fake.platform.identity.folder, fake.clipboard,
                           fake.clock, settings);
    kov::NumberFormat numbers;
    kov::CustomIconTable icons;
    kov::SettingsContext settingsContext{numbers, expander, fake.pictures, fake.files, icons};
    std::vector<std::string> FolderItemPaths{""};
    kov::FolderMenus folderMenus(fake.menus, fake.folders, FolderItemPaths);
    kov::MenuFileContext context{fake.platform, settings, settingsContext, "", folderMenus};
    const auto root = fake.menus.CreatePopupMenu();
    const auto lines = kov::ReadMenuFile(path, root, context);
    if (!lines || fake.files.files.size() != 1) __builtin_trap();
    fake.menus.OpenEverySubmenu(root, [&](auto menu) { folderMenus.FillOnOpen(menu); });
    fake.menus.Dump(root);
    return 0;
}
