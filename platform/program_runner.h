// Programs KOV runs for its own use, such as the program that writes a submenu: never shown, with
// an empty, closed standard input, their standard output read up to a limit and a deadline.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace kov::platform {

struct ProgramRun {
    std::string commandLine;
    std::string workingFolder;  // empty: KOV's own
    unsigned timeoutMilliseconds = 2000;
    std::size_t maxOutputBytes = 1 << 20;
};

struct ProgramOutput {
    enum class End {
        Exited,      // the program ended by itself; exitCode holds its code
        NotStarted,  // it could not be started
        TimedOut,    // it was still running at the deadline
        Cut,         // it wrote more than the limit
        Cancelled,   // the user closed its submenu or the menu while it ran
    };
    End end = End::NotStarted;
    std::uint32_t exitCode = 0;  // NotStarted: the system's error code
    std::string output;          // the bytes it wrote, at most the limit
};

class ProgramRunner {
  public:
    virtual ~ProgramRunner() = default;
    // Runs the program to its end, the deadline or the limit, whichever comes first; then it and
    // every process it started are ended. The caller's window keeps answering its messages
    // while this waits; what the user types waits for the caller, except a key or click that
    // closes the submenu or the menu, which ends the wait at once (Cancelled).
    virtual ProgramOutput RunForOutput(const ProgramRun& run) = 0;
};

}  // namespace kov::platform
