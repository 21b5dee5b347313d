// Where files go when the program folder cannot take them.
#pragma once

#include <string>

namespace kov::platform {

class TempFolder {
  public:
    virtual ~TempFolder() = default;
    // The user's temporary folder, without a final backslash unless it is a drive root.
    virtual std::string UserTempFolder() = 0;
};

}  // namespace kov::platform
