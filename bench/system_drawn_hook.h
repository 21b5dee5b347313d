// The benchmark's stand-in for the owner-draw hook: the same program with every item left to
// the system, to weigh what drawing the items costs.
#pragma once

#include "odmenu/owner_draw_hook.h"

namespace kov::bench {

class SystemDrawnMenus : public OwnerDrawHook {
  public:
    void HookODMenu(const OwnerDrawSources&) override {}
    void UnhookODMenu() override {}
    bool AddImage(const std::string&, const ImagePair&) override { return true; }
    void SetSkinPictures(platform::PicturePtr, platform::PicturePtr) override {}
};

}  // namespace kov::bench
