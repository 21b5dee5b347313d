#include "tests/fakes/fake_owner_draw_hook.h"

namespace kov::fakes {

void FakeOwnerDrawHook::HookODMenu(const OwnerDrawSources& hooked) {
    calls.push_back("hook");
    sources = &hooked;
}

void FakeOwnerDrawHook::UnhookODMenu() {
    calls.push_back("unhook");
    sources = nullptr;
    ImageCollection.clear();
}

bool FakeOwnerDrawHook::AddImage(const std::string& key, const ImagePair& images) {
    calls.push_back("image " + key);
    return ImageCollection.emplace(key, images).second;
}

void FakeOwnerDrawHook::SetSkinPictures(platform::PicturePtr backgroundPicture,
                                        platform::PicturePtr selectedPicture) {
    calls.push_back("skins");
    background = std::move(backgroundPicture);
    selected = std::move(selectedPicture);
}

}  // namespace kov::fakes
