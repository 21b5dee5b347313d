// Where the user was when KOV was called in: the folder and the selection of the window in front,
// asked of it at most once a run and only when a chosen entry needs them; and folders opened there
// instead of in a new window.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/window_in_front.h"

namespace kov {

class WhereTheUserIs {
  public:
    WhereTheUserIs(platform::PlaceInFront& place, const platform::WindowInFront& front);

    // "¦w": the folder the window in front shows; empty when it shows none.
    const std::string& Folder();
    // "¦e": the files and folders selected in the Explorer window in front, each in double
    // quotes, separated by a blank; empty when there are none.
    const std::string& Selection();
    // Takes a file dialog in front (and, with explorerToo, an Explorer window) to the folder.
    // False, having done nothing, when path is no folder or the window did not go there: the
    // caller then opens path as ever.
    bool OpenFolderHere(const std::string& path, bool explorerToo);

  private:
    enum class Kind { None, Explorer, Dialog };
    const platform::ExplorerView& Explorer();

    platform::PlaceInFront& place_;
    platform::WindowHandle window_;
    Kind kind_;
    std::optional<platform::ExplorerView> explorer_;
    std::optional<std::string> folder_;
    std::optional<std::string> selection_;
};

// The folder in the text of a newer file dialog's address bar ("Address: C:\Users"; the word is
// the system's language); nullopt when the text names no folder of the file system.
std::optional<std::string> FolderOfAddressText(std::string_view text);

}  // namespace kov
