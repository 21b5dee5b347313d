// What is wrong in a menu file, line by line: recorded while the file is read, so that the menu,
// the problems window and the command-line check all tell the user the same.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace kov {

// Where a line of the menu was read.
struct LineOrigin {
    std::string file;  // an included file's path; empty for the menu file itself
    int line = 0;      // counted from 1 in that file, as an editor counts
    int order = 0;     // the line's place among all lines the menu read, in reading order
};

struct MenuProblem {
    LineOrigin origin;
    std::string message;
};

class MenuProblems {
  public:
    // Only this many are kept, those of the lowest lines; the rest are counted.
    static constexpr std::size_t kListed = 1000;

    void Add(LineOrigin origin, std::string message);
    std::size_t Count() const { return count_; }
    // In the order of their lines, so that the list reads down the file whatever was found at
    // its end.
    const std::vector<MenuProblem>& Listed() const { return listed_; }

  private:
    std::vector<MenuProblem> listed_;
    std::size_t count_ = 0;
};

// Part of a line fit to quote in a problem: at most 100 characters, control characters as \x..
std::string Quote(std::string_view text);
// A byte as \x.. (two hexadecimal digits).
std::string EscapedByte(unsigned char byte);

// "C:\menus\shared.mnu(3): ", as compilers print it, so that editors can jump to the line; the
// menu file's own lines under menuFile.
std::string CheckLocation(const LineOrigin& origin, std::string_view menuFile);
// "line 3: ", or "shared.mnu line 3: " for a line of an included file.
std::string WindowLocation(const LineOrigin& origin);

// One text per listed problem, its location and its message, and one more that says how many were
// left out.
std::vector<std::string> ProblemTexts(
    const MenuProblems& problems, const std::function<std::string(const LineOrigin&)>& location);

}  // namespace kov
