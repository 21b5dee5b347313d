// Everything the menu builder needs besides the platform, wired to the recording fakes: one
// place that tests, benchmarks and fuzz targets read menu files through.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "commands/expand_string.h"
#include "menufile/folder_menus.h"
#include "menufile/menu_builder.h"
#include "tests/fakes/fake_platform.h"

namespace kov::fakes {

struct FakeMenuFile {
    explicit FakeMenuFile(FakePlatform& platformFakes)
        : fake(platformFakes),
          expander(fake.environment, fake.platform.identity.folder, fake.clipboard, fake.clock,
                   settings) {}

    // Reads the menu file at path into root, as start-up does.
    std::optional<std::vector<std::string>> Read(const std::string& path,
                                                 platform::MenuHandle root) {
        return ReadMenuFile(path, root, context);
    }

    FakePlatform& fake;
    MenuSettings settings;
    Expander expander;
    NumberFormat numbers{'.'};
    CustomIconTable icons;
    SettingsContext settingsContext{numbers, expander, fake, fake.files, icons};
    std::vector<std::string> FolderItemPaths{""};
    FolderMenus folderMenus{fake.menus, fake.folders, FolderItemPaths};
    GeneratorMenus generatorMenus;
    std::string noMenuFileText = "No menu file was found.";
    MenuProblems problems;
    MenuFileContext context{fake.platform, settings,       settingsContext, noMenuFileText,
                            folderMenus,   generatorMenus, problems};
};

}  // namespace kov::fakes
