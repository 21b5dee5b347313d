// Pictures decoded from files (JPEG, GIF, BMP, ICO, WMF/EMF) or taken from the program's
// resources. A picture owns its bitmap for as long as anyone holds it.
#pragma once

#include <memory>
#include <string>

namespace kov::platform {

class Picture {
public:
    virtual ~Picture() = default;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
};

using PicturePtr = std::shared_ptr<const Picture>;

class Pictures {
public:
    virtual ~Pictures() = default;
    // nullptr when the file is missing or cannot be decoded.
    virtual PicturePtr LoadPicture(const std::string& path) = 0;
};

}  // namespace kov::platform
