// Pictures that "load" from the paths a test names and remember where they came from.
#pragma once

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "core/text.h"
#include "platform/pictures.h"

namespace kov::fakes {

class FakeFilePicture : public platform::Picture {
  public:
    explicit FakeFilePicture(std::string from) : path(std::move(from)) {}
    int Width() const override { return 16; }
    int Height() const override { return 16; }
    std::string path;
};

class FakePictures : public platform::Pictures {
  public:
    platform::PicturePtr LoadPicture(const std::string& path) override {
        loaded.push_back(path);
        if (decodable.count(path) == 0) return nullptr;
        return std::make_shared<FakeFilePicture>(path);
    }

    std::set<std::string, LessNoCase> decodable;
    std::vector<std::string> loaded;
};

// The path a fake picture came from; empty for none.
inline std::string PicturePath(const platform::PicturePtr& picture) {
    const auto* fake = dynamic_cast<const FakeFilePicture*>(picture.get());
    return fake != nullptr ? fake->path : std::string();
}

}  // namespace kov::fakes
