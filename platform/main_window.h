// The program's own main window, as the run cycle drives it.
#pragma once

#include <string>
#include <string_view>

#include "platform/menus.h"
#include "platform/pictures.h"

namespace kov::platform {

// The system's menu font as the owner-drawn menus take it over.
struct SystemMenuFontInfo {
    std::string faceName;
    long weight = 0;
    int italic = 0;
};

// The skin pictures the window carries from its design: the default skins of every menu that
// switches skins on without naming skin files.
struct DesignSkins {
    PicturePtr background;
    PicturePtr selected;
};

class MainWindow {
  public:
    virtual ~MainWindow() = default;
    virtual void SetCaption(std::string_view caption) = 0;
    // Asks the window to close; the shutdown handler runs and may keep it open.
    virtual void Close() = 0;
    virtual SystemMenuFontInfo SystemMenuFont() = 0;
    virtual DesignSkins DesignSkinPictures() = 0;
    // Brings the window to the foreground and tracks the menu at the mouse cursor until it closes.
    // Returns the chosen item's identifier, 0 when the menu was dismissed.
    virtual CommandId PopUpAtCursor(MenuHandle menu) = 0;
};

}  // namespace kov::platform
