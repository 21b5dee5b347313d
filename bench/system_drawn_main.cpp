// The program with every item left to the system, to weigh what drawing the items costs.
#include "app/win32/run_program.h"

namespace {

class SystemDrawnMenus : public kov::OwnerDrawHook {
  public:
    void HookODMenu(const kov::OwnerDrawSources&) override {}
    void UnhookODMenu() override {}
    bool AddImage(const std::string&, const kov::ImagePair&) override { return true; }
    void SetSkinPictures(kov::platform::PicturePtr, kov::platform::PicturePtr) override {}
    void UseDarkMenus() override {}
    kov::ChoiceModifier ModifierOfChoice() const override { return kov::ChoiceModifier::None; }
    bool PopupClosedWithShellMenu() override { return false; }
};

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    return kov::win32::RunProgram(instance, [](HWND) -> std::unique_ptr<kov::OwnerDrawHook> {
        return std::make_unique<SystemDrawnMenus>();
    });
}
