// The runner of programs that write submenus, with a probe program run for real.
#include <gtest/gtest.h>

#include "platform/win32/windows_api.h"

#include <sstream>
#include <string>
#include <thread>

#include "platform/win32/handles.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_program_runner.h"

namespace kov::win32 {
namespace {

using End = platform::ProgramOutput::End;

std::string Probe(const std::string& arguments) {
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    auto path = Narrow(self);
    path = path.substr(0, path.find_last_of('\\') + 1) + "generator_probe.exe";
    return "\"" + path + "\" " + arguments;
}

bool Ended(DWORD processId) {
    UniqueKernelObject process(OpenProcess(SYNCHRONIZE, FALSE, processId));
    return !process || WaitForSingleObject(process.get(), 5000) == WAIT_OBJECT_0;
}

TEST(Win32ProgramRunner, ReadsOutputHiddenEndsTheTreeAtTheDeadlineAndCutsAtTheLimit) {
    Win32ProgramRunner runner;
    auto output = runner.RunForOutput({Probe("lines 2 7"), "", 10000, 1000});
    EXPECT_EQ(output.end, End::Exited) << "error " << output.exitCode;
    EXPECT_EQ(output.exitCode, 7u);
    EXPECT_EQ(output.output, "line 1\r\nline 2\r\n");

    output = runner.RunForOutput({Probe("look"), "C:\\", 10000, 1000});
    EXPECT_EQ(output.output, "console 0 show 0 input ends 1");

    output = runner.RunForOutput({Probe("forever"), "", 1500, 1000});
    EXPECT_EQ(output.end, End::TimedOut);
    DWORD probe = 0, child = 0;
    std::istringstream(output.output) >> probe >> child;
    ASSERT_NE(child, 0u) << output.output;
    EXPECT_TRUE(Ended(probe));
    EXPECT_TRUE(Ended(child));

    output = runner.RunForOutput({Probe("flood"), "", 10000, 100000});
    EXPECT_EQ(output.end, End::Cut);
    EXPECT_EQ(output.output, std::string(100000, 'x'));

    EXPECT_EQ(runner.RunForOutput({"C:\\nowhere\\none.exe", "", 10000, 1000}).end, End::NotStarted);

    // Escape typed while it runs ends the wait long before the deadline.
    INPUT escape[2]{};
    for (auto& key : escape) {
        key.type = INPUT_KEYBOARD;
        key.ki.wVk = VK_ESCAPE;
    }
    escape[1].ki.dwFlags = KEYEVENTF_KEYUP;
    std::thread typist([&escape] {
        Sleep(300);
        SendInput(2, escape, sizeof escape[0]);
    });
    output = runner.RunForOutput({Probe("forever"), "", 60000, 1000});
    typist.join();
    EXPECT_EQ(output.end, End::Cancelled);
}

}  // namespace
}  // namespace kov::win32
