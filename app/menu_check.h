// KOV.exe /check: the menu file read exactly as a start reads it, with no popup, nothing run and
// nothing written; its problems as compilers print theirs, so that editors can jump to the line.
#pragma once

#include <optional>
#include <string>

#include "core/locale_number.h"
#include "platform/platform.h"

namespace kov {

// Appends "path(line): message" lines to output, and returns the exit code: the number of
// problems, at most 255; 1 when there is no menu file to read or it cannot be read.
int CheckMenuFile(platform::Platform& platform, const NumberFormat& numbers,
                  const std::optional<std::string>& menuFileArgument, std::string& output);

}  // namespace kov
