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
#include "platform/pictures.h"

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

// The run's data that the owner-drawn items read while a popup is up. The referenced objects
// belong to the main form and outlive the hook.
struct OwnerDrawSources {
    const MenuSettings& settings;
    const CustomIconTable& CustomIcons;
    // Absent until the menu file has been read.
    const std::optional<kov::MenuFont>& menuFont;
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
    CaptionTable ItemCaptions;
    ImageTable ImageCollection;
    // Set only when the menu file switches skins on.
    platform::PicturePtr SkinBackgroundPicture;
    platform::PicturePtr SkinSelectedPicture;
    ScaledSkin scaledBackground;
    ScaledSkin scaledSelected;
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
