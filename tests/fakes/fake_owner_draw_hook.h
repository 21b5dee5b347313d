// Records how the run cycle drives the owner-drawn menus, in order.
#pragma once

#include <string>
#include <vector>

#include "odmenu/owner_draw_hook.h"

namespace kov::fakes {

// A picture that only knows its size; tests compare the pointers.
class FakePicture : public platform::Picture {
  public:
    FakePicture(int width, int height) : width_(width), height_(height) {}
    int Width() const override { return width_; }
    int Height() const override { return height_; }

  private:
    int width_;
    int height_;
};

class FakeOwnerDrawHook : public OwnerDrawHook {
  public:
    void HookODMenu(const OwnerDrawSources& sources) override;
    void UnhookODMenu() override;
    bool AddImage(const std::string& key, const ImagePair& images) override;
    void SetSkinPictures(platform::PicturePtr background, platform::PicturePtr selected) override;

    // "hook", "unhook", "image <key>", "skins"
    std::vector<std::string> calls;
    const OwnerDrawSources* sources = nullptr;
    ImageTable ImageCollection;
    platform::PicturePtr background;
    platform::PicturePtr selected;
};

}  // namespace kov::fakes
