// What the shell is asked for an entry's icon.
#pragma once

#include <string>

namespace kov::platform {

struct ShellIconTarget {
    // An expanded path; a bare program name is searched for as the shell searches it.
    std::string path;
    // Network shares and removable drives: the icon of the name's type, without touching the
    // drive, so an offline server or an empty card reader delays nothing.
    bool byFileTypeOnly = false;
    bool operator==(const ShellIconTarget&) const = default;
};

}  // namespace kov::platform
