#include "odmenu/od_menu_tables.h"

namespace kov {

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

}  // namespace kov
