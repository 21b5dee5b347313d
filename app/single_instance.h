// The one-running-instance rule, per program file name: renamed copies with menu files of their
// own run side by side.
#pragma once

#include <string>
#include <string_view>

namespace kov {

// The name of the kernel object a running instance holds. Letter case is ignored, as in file
// names; the name stays within the system's limit for object names.
std::string SingleInstanceName(std::string_view programFileName);

}  // namespace kov
