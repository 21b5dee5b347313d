// Records the menu tree the logic builds, so a test can compare it whole as text.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/menus.h"

namespace kov::fakes {

class FakeMenus : public platform::Menus {
  public:
    struct Entry {
        unsigned flags = 0;
        std::uintptr_t idOrSubmenu = 0;
        std::string text;
    };

    platform::MenuHandle CreatePopupMenu() override;
    bool AppendMenu(platform::MenuHandle menu, unsigned flags, std::uintptr_t idOrSubmenu,
                    std::string_view text) override;
    bool RemoveMenu(platform::MenuHandle menu, unsigned position, unsigned flags) override;
    bool DestroyMenu(platform::MenuHandle menu) override { return menus_.count(menu) != 0; }

    // One line per entry, indented by nesting: "ITEM 3 Notepad", "GRAYED 7 Archive",
    // "SEPARATOR", "POPUP Tools" followed by its entries.
    std::string Dump(platform::MenuHandle menu, std::size_t depth = 0) const;
    // Opens every submenu below menu, depth first, as a user would: opened(sub) runs before the
    // submenu's entries are looked at.
    void OpenEverySubmenu(platform::MenuHandle menu,
                          const std::function<void(platform::MenuHandle)>& opened);
    const std::vector<Entry>& Entries(platform::MenuHandle menu) const { return menus_.at(menu); }

  private:
    std::unordered_map<platform::MenuHandle, std::vector<Entry>> menus_;
    platform::MenuHandle next_ = 0x1000;
};

}  // namespace kov::fakes
