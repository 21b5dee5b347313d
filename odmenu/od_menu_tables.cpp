#include "odmenu/od_menu_tables.h"

namespace kov {

std::string ItemCaptionKey(std::int32_t itemId, std::uintptr_t window, std::uintptr_t itemData) {
    std::string key = "M" + std::to_string(itemId) + "-" + std::to_string(window);
    if (itemData >= kFirstCaptionSerial) key += "#" + std::to_string(itemData);
    return key;
}

std::vector<ImageEntry> ProgramImageEntries(const std::string& programFileName,
                                            const ProgramMenuCaptions& captions) {
    return {
        {programFileName, {"kovpic", "kovmask"}},
        {"_checkmark", {"checkmark", "checkmark"}},
        {captions.exit, {"exit", "exit"}},
        {captions.settings, {"settingspic", "settingsmask"}},
        {captions.edit, {"editpic", "editmask"}},
        {captions.about, {"aboutpic", "aboutmask"}},
        {captions.help, {"helppic", "helpmask"}},
    };
}

std::string StoredCaption(const CaptionTable& ItemCaptions, std::int32_t itemId,
                          std::uintptr_t window, std::uintptr_t itemData) {
    const auto found = ItemCaptions.find(ItemCaptionKey(itemId, window, itemData));
    return found != ItemCaptions.end() ? found->second : std::string();
}

const platform::ShellIconTarget* StoredShellTarget(const ShellTargetTable& targets,
                                                   std::int32_t itemId, std::uintptr_t window,
                                                   std::uintptr_t itemData) {
    const auto found = targets.find(ItemCaptionKey(itemId, window, itemData));
    return found != targets.end() ? &found->second : nullptr;
}

}  // namespace kov
