#include "tests/fakes/fake_menus.h"

namespace kov::fakes {

namespace mf = platform::menu_flags;

platform::MenuHandle FakeMenus::CreatePopupMenu() {
    menus_[next_];
    return next_++;
}

bool FakeMenus::AppendMenu(platform::MenuHandle menu, unsigned flags, std::uintptr_t idOrSubmenu,
                           std::string_view text) {
    const auto it = menus_.find(menu);
    if (it != menus_.end()) it->second.push_back({flags, idOrSubmenu, std::string(text)});
    return it != menus_.end();
}

bool FakeMenus::RemoveMenu(platform::MenuHandle menu, unsigned position, unsigned flags) {
    const auto it = menus_.find(menu);
    if (it == menus_.end() || !(flags & mf::kByPosition) || position >= it->second.size()) {
        return false;
    }
    it->second.erase(it->second.begin() + position);
    return true;
}

std::string FakeMenus::Dump(platform::MenuHandle menu, std::size_t depth) const {
    std::string out;
    for (const auto& entry : menus_.at(menu)) {
        out.append(depth * 2, ' ');
        const auto id = static_cast<std::int32_t>(static_cast<std::uint32_t>(entry.idOrSubmenu));
        if (entry.flags & mf::kSeparator) {
            out += "SEPARATOR\n";
        } else if (entry.flags & mf::kPopup) {
            out += "POPUP " + entry.text + "\n" + Dump(entry.idOrSubmenu, depth + 1);
        } else {
            out += (entry.flags & mf::kGrayed ? "GRAYED " : "ITEM ") + std::to_string(id) + " " +
                   entry.text + "\n";
        }
    }
    return out;
}

void FakeMenus::OpenEverySubmenu(platform::MenuHandle menu,
                                 const std::function<void(platform::MenuHandle)>& opened) {
    // By position: opening a submenu appends to it.
    for (std::size_t i = 0; i < menus_.at(menu).size(); ++i) {
        const auto entry = menus_.at(menu)[i];
        if (!(entry.flags & mf::kPopup)) continue;
        opened(entry.idOrSubmenu);
        OpenEverySubmenu(entry.idOrSubmenu, opened);
    }
}

}  // namespace kov::fakes
