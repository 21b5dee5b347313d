// The owner-drawn menus as the run cycle drives them: every popup the main window owns is drawn
// by the program while the hook is in place.
#pragma once

#include <string>

#include "core/command_ids.h"
#include "odmenu/od_menu_tables.h"
#include "platform/pictures.h"

namespace kov {

class OwnerDrawHook {
  public:
    virtual ~OwnerDrawHook() = default;
    // Subclasses the main window and creates the image table and the items' records empty (when
    // they do not exist yet). The sources are read on every measure and draw request until
    // unhooked.
    virtual void HookODMenu(const OwnerDrawSources& sources) = 0;
    // Puts the previous window procedure back and releases the tables and records.
    virtual void UnhookODMenu() = 0;
    // False when the key (letter case ignored) is already present; the table keeps the first.
    virtual bool AddImage(const std::string& key, const ImagePair& images) = 0;
    virtual void SetSkinPictures(platform::PicturePtr background,
                                 platform::PicturePtr selected) = 0;
    // The parts of the popups the system draws (frame, submenu arrows) follow dark mode.
    virtual void UseDarkMenus() = 0;
    // The keys held when the popup's item was chosen with Enter or a click.
    virtual ChoiceModifier ModifierOfChoice() const = 0;
    // True, once, when the popup returned nothing because the system closed it together with
    // the shell's context menu shown over it, not because the user dismissed it.
    virtual bool PopupClosedWithShellMenu() = 0;
};

}  // namespace kov
