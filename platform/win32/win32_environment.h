#pragma once

#include <string>

#include "core/locale_number.h"
#include "platform/environment.h"
#include "platform/program_identity.h"

namespace kov::win32 {

class Win32Environment : public platform::Environment {
  public:
    std::optional<std::string> ExpandEnvironmentStrings(const std::string& text) override;
};

// Name and folder of the running program file.
platform::ProgramIdentity CurrentProgramIdentity();
// The running program file's full path, however long.
std::wstring ProgramFilePath();

// How the user's locale writes numbers.
NumberFormat UserNumberFormat();

}  // namespace kov::win32
