// The keyed tables through which measuring and drawing find an item's icon, and the references to
// the run's data they read. All keys ignore letter case.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/text.h"
#include "menufile/menu_settings.h"
#include "odmenu/draw_layout.h"
#include "odmenu/menu_colors.h"
#include "platform/menus.h"
#include "platform/pictures.h"
#include "platform/shell_icon_target.h"

namespace kov {

// Two bitmap resource names of the program: the picture and its mask.
struct ImagePair {
    std::string picture;
    std::string mask;
};
using ImageTable = std::map<std::string, ImagePair, LessNoCase>;

// Where the shell's icons of the entries come from, once the menu file has asked for them.
class ShellIconSource {
  public:
    virtual ~ShellIconSource() = default;
    // The target of the item with this identifier, or of the folder submenu it opens (0 for
    // none); nullopt when the item shows no shell icon.
    virtual std::optional<platform::ShellIconTarget> ShellIconOf(std::int32_t itemId,
                                                                 platform::MenuHandle submenu) = 0;
    // The file or folder whose shell context menu a right-click on the item shows, found as its
    // shell icon's target is but whatever the settings say, when it exists on a local drive.
    virtual std::optional<std::string> ContextMenuTarget(std::int32_t itemId,
                                                         platform::MenuHandle submenu) = 0;
};

// The run's data that the owner-drawn items read while a popup is up. The referenced objects
// belong to the main form and outlive the hook.
struct OwnerDrawSources {
    const MenuSettings& settings;
    const CustomIconTable& CustomIcons;
    // Absent until the menu file has been read.
    const std::optional<kov::MenuFont>& menuFont;
    // Decided once the menu file has been read.
    const MenuColors& colors;
    // Null when no entry shows a shell icon.
    ShellIconSource* shellIcons = nullptr;
};

// A skin stretched to a popup's DPI once, rather than for every fill, and kept while the
// picture and the DPI stay; no copy where the skin is drawn as it is.
struct ScaledSkin {
    platform::PicturePtr source;
    int dpi = 0;
    platform::PicturePtr scaled;
};

// What the owner-draw module keeps between messages.
struct ODMenuState {
    ImageTable ImageCollection;
    // Set only when the menu file switches skins on.
    platform::PicturePtr SkinBackgroundPicture;
    platform::PicturePtr SkinSelectedPicture;
    ScaledSkin scaledBackground;
    ScaledSkin scaledSelected;
    // The menu bar of the hooked window, when it has one.
    std::int32_t LastMenuBarItemId = 0;
    MenuBarItem PrevMenuBarItem;
};

// The program's own pictures, in the order they are added: the program submenu under the
// program file name, the check mark, then Exit, Settings, Edit, About, Help and the problems
// under their (translated) captions.
struct ImageEntry {
    std::string key;
    ImagePair images;
};
struct ProgramMenuCaptions {
    const std::string& settings;
    const std::string& edit;
    const std::string& about;
    const std::string& help;
    const std::string& exit;
    const std::string& problems;  // empty when the menu file has none
};
std::vector<ImageEntry> ProgramImageEntries(const std::string& programFileName,
                                            const ProgramMenuCaptions& captions);

}  // namespace kov
