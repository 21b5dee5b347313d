// Starting programs and documents through the shell, and the one blocking pause commands make.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace kov::platform {

// One ShellExecute call; an absent verb is the default verb, absent parameters are NULL.
struct ShellRequest {
    bool ownedByMainWindow = true;
    std::optional<std::string> verb;
    std::string file;
    std::optional<std::string> parameters;
    std::string directory;
    int show = 1;

    bool operator==(const ShellRequest&) const = default;
};

namespace show_command {
inline constexpr int kShowNormal = 1;
}  // namespace show_command

class Shell {
  public:
    virtual ~Shell() = default;
    // The shell's result: above 32 on success, an error code otherwise.
    virtual std::intptr_t ShellExecute(const ShellRequest& request) = 0;
    // Starts a command line as a new process shown with the show command; its process id, 0 when
    // nothing started.
    virtual std::uint32_t StartProcess(const std::string& commandLine, int show) = 0;
    // The program the shell opens the file with; nullopt when it knows none.
    virtual std::optional<std::string> FindExecutable(const std::string& file) = 0;
    virtual void Sleep(unsigned milliseconds) = 0;
};

}  // namespace kov::platform
