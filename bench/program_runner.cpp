// In-process cost of the runner against a bare start of the same program: the pipe, the job and
// the message-answering wait, apart from what any process start costs. Prints
// "runner_ms=... bare_ms=...", medians of alternate runs.
//   program_runner.exe <runs> <command line>
#include "platform/win32/windows_api.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/win32/handles.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_program_runner.h"

namespace {

using Clock = std::chrono::steady_clock;

double Since(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double Runner(const std::string& commandLine) {
    kov::win32::Win32ProgramRunner runner;
    const auto start = Clock::now();
    runner.RunForOutput({commandLine, "", 60000, 1 << 20});
    return Since(start);
}

// Started and waited for, its output going nowhere.
double Bare(const std::string& commandLine) {
    auto line = kov::win32::Widen(commandLine);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    const auto start = Clock::now();
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                        nullptr, &startup, &started)) {
        return 0;
    }
    kov::win32::UniqueKernelObject process(started.hProcess);
    kov::win32::UniqueKernelObject thread(started.hThread);
    WaitForSingleObject(process.get(), INFINITE);
    return Since(start);
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) return 2;
    const int runs = std::atoi(argv[1]);
    std::vector<double> runner, bare;
    for (int i = 0; i < runs + 2; ++i) {
        const double a = i % 2 ? Runner(argv[2]) : Bare(argv[2]);
        const double b = i % 2 ? Bare(argv[2]) : Runner(argv[2]);
        if (i < 2) continue;  // warm-up
        (i % 2 ? runner : bare).push_back(a);
        (i % 2 ? bare : runner).push_back(b);
    }
    std::printf("runner_ms=%.1f bare_ms=%.1f\n", Median(runner), Median(bare));
}
