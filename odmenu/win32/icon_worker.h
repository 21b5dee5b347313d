// The few threads that make the items' icons and pictures away from the window thread, so that
// a slow lookup or decode (a first call into the shell, a server that does not answer, hundreds
// of large pictures) never holds up the popup. The last asked go before those still waiting;
// each source and size is made once at a time; a job that has not finished after two seconds is
// given up (its item stays without icon) and its thread replaced, so that it holds back no other.
// Results go back to the window thread by a posted message; nothing ever waits for the threads.
#pragma once

#include "platform/win32/windows_api.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "odmenu/item_icon.h"
#include "odmenu/win32/icon_pixels.h"

namespace kov::win32 {

// Posted to the window when results are waiting; a later one follows only after they are taken.
inline constexpr UINT kIconsArrived = WM_APP + 19;

// What an icon is made of and the size it is drawn at.
struct IconKey {
    IconSource::Kind kind = IconSource::Kind::Shell;
    std::string path;  // the shell icon's target, or the picture file
    std::string mask;  // a picture's mask file; may be empty
    int size = 0;      // a shell icon's side in pixels; the DPI a picture is drawn at
    auto operator<=>(const IconKey&) const = default;
};

struct IconRequest {
    IconKey key;
    // Runs on one of the threads, each a COM apartment, for as long as it takes; empty pixels
    // for a source that has no icon.
    std::function<IconPixels()> make;
};

struct IconResult {
    IconKey key;
    IconPixels icon;  // empty when there is none, or it did not come in time
};

class IconWorker {
  public:
    static constexpr unsigned kGiveUpAfterMs = 2000;

    explicit IconWorker(HWND window);
    // Lets the threads go: whatever they make after this is dropped by the threads themselves.
    ~IconWorker();
    IconWorker(const IconWorker&) = delete;
    IconWorker& operator=(const IconWorker&) = delete;

    // Made before everything still waiting, in this order; one still waiting moves to the
    // front, one being made is not made twice. The threads start with the first request.
    void Request(const std::vector<IconRequest>& requests);
    std::vector<IconResult> TakeResults();

  private:
    struct Shared;
    std::shared_ptr<Shared> shared_;
};

}  // namespace kov::win32
