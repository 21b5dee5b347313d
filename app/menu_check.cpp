#include "app/menu_check.h"

#include <algorithm>

#include "app/command_line.h"
#include "app/default_menu_file.h"
#include "commands/expand_string.h"
#include "menufile/menu_builder.h"

namespace kov {

int CheckMenuFile(platform::Platform& platform, const NumberFormat& numbers,
                  const std::optional<std::string>& menuFileArgument, std::string& output) {
    MenuSettings settings;
    SetDefaults(settings, numbers);
    Expander expander(platform.environment, platform.identity.folder, platform.clipboard,
                      platform.clock, settings);
    // Unlike a start, a named file that is missing is the answer, not a reason to read another.
    const auto path = menuFileArgument ? expander.sExpandString(*menuFileArgument, false)
                                       : DefaultMenuFilePath(platform.identity);
    if (!NamesOneFile(platform.files, path)) {
        output += (path.empty() ? "\"\"" : path) + ": the menu file was not found\r\n";
        return 1;
    }
    CustomIconTable icons;
    SettingsContext settingsContext{numbers, expander, platform.pictures, platform.files, icons};
    std::vector<std::string> folderItemPaths{""};
    FolderMenus folderMenus(platform.menus, platform.folders, folderItemPaths);
    // Registers the "¦o" submenus, whose programs never run here.
    GeneratorMenus generatorMenus;
    MenuProblems problems;
    MenuFileContext context{platform,    settings,       settingsContext, "",
                            folderMenus, generatorMenus, problems};
    context.everySection = true;
    const auto root = platform.menus.CreatePopupMenu();
    ReadMenuFile(path, root, context);
    platform.menus.DestroyMenu(root);
    // Never "no problems" for a file that was not read.
    if (context.unreadReason) {
        output += path + ": the menu file could not be read (" + *context.unreadReason + ")\r\n";
        return 1;
    }
    const auto location = [&path](const LineOrigin& origin) { return CheckLocation(origin, path); };
    for (const auto& line : ProblemTexts(problems, location)) output += line + "\r\n";
    constexpr std::size_t kHighestExitCode = 255;
    return static_cast<int>(std::min(problems.Count(), kHighestExitCode));
}

}  // namespace kov
