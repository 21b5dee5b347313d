#include "odmenu/od_menu_tables.h"

namespace kov {

std::vector<ImageEntry> ProgramImageEntries(const std::string& programFileName,
                                            const ProgramMenuCaptions& captions) {
    std::vector<ImageEntry> entries{
        {programFileName, {"kovpic", "kovmask"}},
        {"_checkmark", {"checkmark", "checkmark"}},
        {captions.exit, {"exit", "exit"}},
        {captions.settings, {"settingspic", "settingsmask"}},
        {captions.edit, {"editpic", "editmask"}},
        {captions.about, {"aboutpic", "aboutmask"}},
        {captions.help, {"helppic", "helpmask"}},
    };
    if (!captions.problems.empty()) entries.push_back({captions.problems, {"warnpic", "warnmask"}});
    return entries;
}

}  // namespace kov
