// What is wrong in a menu file, line by line: recorded while the file is read, so that the menu,
// the problems window and the command-line check all tell the user the same.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kov {

struct MenuProblem {
    int line;  // counted from 1, as an editor counts
    std::string message;
};

class MenuProblems {
  public:
    // Only this many are kept, those of the lowest lines; the rest are counted.
    static constexpr std::size_t kListed = 1000;

    void Add(int line, std::string message);
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

// One text per listed problem, as "prefix" + line + "suffix" + message, and one more that says
// how many were left out.
std::vector<std::string> ProblemTexts(const MenuProblems& problems, std::string_view prefix,
                                      std::string_view suffix);

}  // namespace kov
