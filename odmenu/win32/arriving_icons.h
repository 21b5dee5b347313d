// The icons and pictures that are made away from the window thread: the shell's icons of a
// popup's entries, asked for when the popup opens, and picture files, asked for when their item
// is first painted. They are made once the popup is up and idle, and the items painted without
// them are painted again as they arrive.
#pragma once

#include "platform/win32/windows_api.h"

#include <map>
#include <set>
#include <tuple>
#include <vector>

#include "odmenu/win32/icon_worker.h"

namespace kov::win32 {

class ArrivingIcons {
  public:
    explicit ArrivingIcons(HWND window) : worker_(window) {}

    // Made from the time the popup is idle, the last asked first.
    void Ask(IconRequest request);
    // On WM_ENTERIDLE: the popup is on the screen, so the jobs no longer compete with it.
    void StartLookUps();
    // The item painted at rect into the popup of menu is painted again when key's icon comes.
    void Await(const IconKey& key, HMENU menu, const RECT& rect);
    // On kIconsArrived: the icons that came, whose waiting items are repainted.
    std::vector<IconResult> Arrived();

  private:
    using Place = std::tuple<HMENU, LONG, LONG, LONG, LONG>;
    IconWorker worker_;
    std::vector<IconRequest> toMake_;
    std::set<IconKey> asked_;  // those in toMake_
    std::map<IconKey, std::set<Place>> waiting_;
};

}  // namespace kov::win32
