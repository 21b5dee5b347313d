#pragma once

#include "platform/temp_folder.h"

namespace kov::win32 {

class Win32TempFolder : public platform::TempFolder {
  public:
    std::string UserTempFolder() override;
};

}  // namespace kov::win32
