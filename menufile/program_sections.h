// "@ForPrograms PATTERN; ..." sections: the lines after such a line, up to the next one, are part
// of the menu only when the window in front matches one of its patterns. The builder asks for
// every line whether it is kept.
#pragma once

#include <string>
#include <string_view>

#include "menufile/menu_problems.h"
#include "platform/window_in_front.h"

namespace kov {

inline constexpr std::string_view kForProgramsKey = "@ForPrograms";

class ProgramSections {
  public:
    // everySection keeps the lines of every section, as checking the file needs.
    ProgramSections(const platform::WindowInFront& front, bool everySection);

    // Asked for every trimmed line, in file order. False for the section lines themselves and for
    // the lines of a section the window in front does not match. Notes brackets that cross a
    // section's end and pattern lists that cannot be read.
    bool Keeps(std::string_view line, const LineOrigin& origin, MenuProblems& problems);

  private:
    // One pattern: a program file name with "*" and "?", or "class=" and a window class; letter
    // case ignored. Over the desktop (handle 0) nothing matches.
    bool Matches(std::string_view pattern);
    void StartSection(std::string_view patterns, const LineOrigin& origin, MenuProblems& problems);
    // "line 4", or "line 4 of shared.mnu" in an included file.
    std::string SectionPlace() const;

    const platform::WindowInFront& front_;
    bool everySection_;
    std::u32string program_;  // folded once
    std::u32string pattern_;  // the pattern being matched, folded
    bool kept_ = true;
    // Where the open section started (line 0 outside one) and the submenu depth it started at.
    LineOrigin section_;
    int sectionDepth_ = 0;
    int depth_ = 0;
};

}  // namespace kov
