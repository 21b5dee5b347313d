// The keyed tables through which measuring and drawing find an item's text and its icon, and
// the references to the run's data they read. All keys ignore letter case.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/text.h"
#include "menufile/menu_settings.h"
#include "odmenu/dpi_scale.h"
#include "odmenu/draw_layout.h"
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

// Items without an identifier of their own share identifier 0: separators, and the grayed "..."
// that ends a folder submenu cut short. A captioned one gets a serial of its own as its item data
// (above the menu-bar marker 2), so that a separator never finds its caption.
inline constexpr std::uintptr_t kFirstCaptionSerial = 3;

// Key: ItemCaptionKey; value: the caption as the menu held it when it was converted.
using CaptionTable = std::map<std::string, std::string, LessNoCase>;

// Where the shell's icons of the entries come from, once the menu file has asked for them.
class ShellIconSource {
  public:
    virtual ~ShellIconSource() = default;
    // The target of the item with this identifier, or of the folder submenu it opens (0 for
    // none); nullopt when the item shows no shell icon.
    virtual std::optional<platform::ShellIconTarget> ShellIconOf(std::int32_t itemId,
                                                                 platform::MenuHandle submenu) = 0;
};

// The run's data that the owner-drawn items read while a popup is up. The referenced objects
// belong to the main form and outlive the hook.
struct OwnerDrawSources {
    const MenuSettings& settings;
    const CustomIconTable& CustomIcons;
    // Absent until the menu file has been read.
    const std::optional<kov::MenuFont>& menuFont;
    // Null when no entry shows a shell icon.
    ShellIconSource* shellIcons = nullptr;
};

// Key: ItemCaptionKey; value: the target whose shell icon the item shows.
using ShellTargetTable = std::map<std::string, platform::ShellIconTarget, LessNoCase>;

// What the owner-draw module keeps between messages.
struct ODMenuState {
    CaptionTable ItemCaptions;
    ShellTargetTable ItemShellTargets;
    ImageTable ImageCollection;
    // Set only when the menu file switches skins on.
    platform::PicturePtr SkinBackgroundPicture;
    platform::PicturePtr SkinSelectedPicture;
    // The menu bar of the hooked window, when it has one.
    std::int32_t LastMenuBarItemId = 0;
    MenuBarItem PrevMenuBarItem;
    std::uintptr_t nextCaptionSerial = kFirstCaptionSerial;
    // The DPI of the monitor the open popup is on: its items are measured and drawn for it.
    int dpi = kDesignDpi;
};

// "M" + identifier + "-" + window handle, both in decimal; for an item that carries a caption
// serial in its item data, "#" + that serial too.
std::string ItemCaptionKey(std::int32_t itemId, std::uintptr_t window, std::uintptr_t itemData = 0);

// The caption an item was converted with; empty when there is none (separators).
std::string StoredCaption(const CaptionTable& ItemCaptions, std::int32_t itemId,
                          std::uintptr_t window, std::uintptr_t itemData);

// The target whose shell icon an item shows; null for none.
const platform::ShellIconTarget* StoredShellTarget(const ShellTargetTable& targets,
                                                   std::int32_t itemId, std::uintptr_t window,
                                                   std::uintptr_t itemData);

// The program's own pictures, in the order they are added: the program submenu under the
// program file name, the check mark, then Exit, Settings, Edit, About and Help under their
// (translated) captions.
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
};
std::vector<ImageEntry> ProgramImageEntries(const std::string& programFileName,
                                            const ProgramMenuCaptions& captions);

}  // namespace kov
