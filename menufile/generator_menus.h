// Submenus written by a program ("¦o" lines): the program runs when its submenu first opens in the
// run, never before, and what it writes fills the submenu as lines of a menu file would.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "menufile/text_helpers.h"
#include "platform/menus.h"
#include "platform/program_runner.h"

namespace kov {

// A "¦o" line's parts as written; they are expanded when the program runs, as a command's are.
struct Generator {
    std::string program;
    std::string parameters;
    std::string workingFolder;
    // 1 for a line of the menu file, one more for each program's output the line came from.
    int level = 1;
    // The "@GeneratorTimeout" in force where the line was read.
    unsigned timeout = 2000;
    // A grayed "..." stands in the submenu: the user left it before the program ended.
    bool leftBefore = false;
};

// Deeper "¦o" lines in a program's output are left out: a program that writes itself again must
// end somewhere.
inline constexpr int kMaxGeneratorLevels = 4;

class GeneratorMenus {
  public:
    void Add(platform::MenuHandle menu, Generator generator);
    // The generator of a submenu that has not been filled yet, taken so that it runs once.
    std::optional<Generator> TakeOnOpen(platform::MenuHandle menu);

  private:
    std::unordered_map<platform::MenuHandle, Generator> pending_;
};

// Runs program with its parameters; a batch file through the command interpreter, which is what
// runs it anyway.
std::string GeneratorCommandLine(std::string_view program, std::string_view parameters);

// The lines a program's output gives: UTF-16 after its mark, UTF-8 otherwise (its mark dropped,
// broken bytes as U+FFFD), within the menu's limits. nullopt when the program failed: it did not
// start, did not end in time, or ended with an error and wrote nothing.
std::optional<ReadLines> GeneratedLines(const platform::ProgramOutput& output);

}  // namespace kov
