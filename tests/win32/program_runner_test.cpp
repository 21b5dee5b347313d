// The runner of programs that write submenus, with a probe program run for real.
#include <gtest/gtest.h>

#include <string>

#include "platform/win32/win32_program_runner.h"

namespace kov::win32 {
namespace {

using End = platform::ProgramOutput::End;

// Beside the test program, where Windows looks for a program first.
const std::string kProbe = "generator_probe.exe ";

// Ending what it started, and Escape ending the wait, are seen by the end-to-end tier's program
// that never ends.
TEST(Win32ProgramRunner, ReadsOutputHiddenStopsAtTheDeadlineAndCutsAtTheLimit) {
    Win32ProgramRunner runner;
    auto output = runner.RunForOutput({kProbe + "lines 2 7", "", 10000, 1000});
    EXPECT_EQ(output.end, End::Exited) << "error " << output.exitCode;
    EXPECT_EQ(output.exitCode, 7u);
    EXPECT_EQ(output.output, "line 1\r\nline 2\r\n");

    output = runner.RunForOutput({kProbe + "look", "C:\\", 10000, 1000});
    EXPECT_EQ(output.output, "console 0 show 0 input ends 1");

    EXPECT_EQ(runner.RunForOutput({kProbe + "forever", "", 1500, 1000}).end, End::TimedOut);

    output = runner.RunForOutput({kProbe + "flood", "", 10000, 100000});
    EXPECT_EQ(output.end, End::Cut);
    EXPECT_EQ(output.output, std::string(100000, 'x'));

    EXPECT_EQ(runner.RunForOutput({"C:\\nowhere\\none.exe", "", 10000, 1000}).end, End::NotStarted);
}

}  // namespace
}  // namespace kov::win32
