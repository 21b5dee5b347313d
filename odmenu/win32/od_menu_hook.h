// The owner-draw hook: subclasses the main window so that every popup it owns is converted to
// owner-drawn items when it opens, and measures and paints those items.
#pragma once

#include "platform/win32/windows_api.h"

#include "odmenu/owner_draw_hook.h"

namespace kov::win32 {

class Win32OwnerDrawHook : public OwnerDrawHook {
  public:
    explicit Win32OwnerDrawHook(HWND window) : window_(window) {}
    Win32OwnerDrawHook(const Win32OwnerDrawHook&) = delete;
    Win32OwnerDrawHook& operator=(const Win32OwnerDrawHook&) = delete;
    ~Win32OwnerDrawHook() override { UnhookODMenu(); }

    void HookODMenu(const OwnerDrawSources& sources) override;
    void UnhookODMenu() override;
    bool AddImage(const std::string& key, const ImagePair& images) override;
    void SetSkinPictures(platform::PicturePtr background, platform::PicturePtr selected) override;
    void UseDarkMenus() override;
    ChoiceModifier ModifierOfChoice() const override;
    bool PopupClosedWithShellMenu() override;

  private:
    HWND window_;
    bool hooked_ = false;
};

// The window procedure installed by the hook; exposed for tests that send it messages.
LRESULT CALLBACK ODMenuWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace kov::win32
