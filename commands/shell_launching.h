// Acting on the outside world: starting programs and documents, opening URLs in the browser,
// printing, appending a line to a file. Texts arrive expanded; nothing started is awaited.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/locale_number.h"
#include "core/ui_strings.h"
#include "platform/platform.h"

namespace kov {

// A window state text as the show command (0 to 10) it names, rounded half to even; nullopt when
// it names none.
std::optional<int> ReadWindowState(std::string_view text, const NumberFormat& numbers);

class ShellLauncher {
  public:
    ShellLauncher(platform::Platform& platform, const UIStrings& strings,
                  const NumberFormat& numbers);

    // Through the shell; failing that, the program text alone as a command line; failing that,
    // the system's Open-with dialog. An empty program starts nothing.
    void RunCommand(const std::string& program, const std::string& parameters,
                    const std::string& workingFolder, const std::string& windowState);
    // Hands the URL to the program associated with ".htm", found once per launcher.
    void OpenURL(std::string_view url);
    // A document through the shell's Print verb; a text holding "¦s" through a numbered print
    // file with the clipboard text in it (nothing when the clipboard holds no text).
    void PrintFile(const std::string& document, const std::string& workingFolder);
    // The text and CR LF added at the end of an existing file.
    void AppendToFile(const std::string& file, std::string_view text);
    // Through the shell's "runas" verb alone: what the user declined is not started otherwise.
    void RunAsAdministrator(const std::string& program, const std::string& parameters,
                            const std::string& workingFolder, const std::string& windowState);
    // Explorer shows the folder that holds the file or folder, with it selected.
    void ShowInFolder(std::string path);

  private:
    std::optional<std::string> FindBrowser();
    // The shell's program for a file made for the question, which is removed after it.
    std::optional<std::string> AskAndRemove(const std::optional<std::string>& made);
    // The first of stem + 0, 1, ... + extension that is free, made with the content; nullopt
    // when it cannot be made.
    std::optional<std::string> CreateNumberedFile(const std::string& stem,
                                                  std::string_view extension,
                                                  std::string_view content);

    platform::Platform& platform_;
    const UIStrings& strings_;
    const NumberFormat& numbers_;
    std::string sBrowserPath;
};

}  // namespace kov
