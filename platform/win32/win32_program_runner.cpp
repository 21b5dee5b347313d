#include "platform/win32/win32_program_runner.h"

#include "platform/win32/windows_api.h"

#include <algorithm>
#include <array>

#include "platform/win32/handles.h"
#include "platform/win32/wide_text.h"

namespace kov::win32 {

namespace {

using platform::ProgramOutput;

// Large enough that a program writing its lines at once rarely waits for the reader.
constexpr DWORD kPipeBytes = 1 << 20;
// How often the pipe is emptied while the program runs; its end wakes the wait at once.
constexpr DWORD kPollMilliseconds = 10;

struct Pipe {
    UniqueFile read;
    UniqueFile write;
};

// One end is inherited by the program, the other stays KOV's own.
Pipe MakePipe(bool programReads, DWORD bytes) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE read = nullptr;
    HANDLE write = nullptr;
    if (!CreatePipe(&read, &write, &inherit, bytes)) return {};
    Pipe pipe{UniqueFile(read), UniqueFile(write)};
    SetHandleInformation(programReads ? write : read, HANDLE_FLAG_INHERIT, 0);
    return pipe;
}

UniqueKernelObject MakeKillingJob() {
    UniqueKernelObject job(CreateJobObjectW(nullptr, nullptr));
    if (!job) return job;
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    SetInformationJobObject(job.get(), JobObjectExtendedLimitInformation, &limits, sizeof limits);
    return job;
}

// Moves what the pipe holds into output, up to the limit; false once the limit is passed.
bool Drain(HANDLE pipe, std::string& output, std::size_t limit) {
    DWORD waiting = 0;
    while (PeekNamedPipe(pipe, nullptr, 0, nullptr, &waiting, nullptr) && waiting > 0) {
        const auto room = limit - output.size();
        // One byte past the limit tells a cut output from one that fills it exactly.
        const auto want = static_cast<DWORD>(std::min<std::size_t>(waiting, room + 1));
        const auto at = output.size();
        output.resize(at + want);
        DWORD got = 0;
        if (!ReadFile(pipe, output.data() + at, want, &got, nullptr)) got = 0;
        output.resize(at + got);
        if (output.size() > limit) {
            output.resize(limit);
            return false;
        }
        if (got == 0) break;
    }
    return true;
}

// The open popup repaints and other programs' sent messages are answered; keys and clicks stay
// queued for the menu's own loop, which goes on once the submenu is filled.
void AnswerMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE | PM_QS_PAINT)) {
        DispatchMessageW(&message);
    }
}

// Escape and Left close the submenu being filled, Alt or a click closes it or the menu: the program
// is not waited for then. Other keys (Down to its first entry) wait for the entries they are meant
// for. The keys' state is read, not the queue: the menu's loop takes the key that opened the
// submenu out of the queue only after this returns, so it hides every key behind it. The keys'
// messages stay queued for the menu's own loop.
class LeavingKeys {
  public:
    // What is down already (the click that opened the submenu) counts only once pressed again.
    LeavingKeys() {
        for (std::size_t i = 0; i < kKeys.size(); ++i) down_[i] = Read(kKeys[i]);
    }

    bool Pressed() {
        bool pressed = false;
        for (std::size_t i = 0; i < kKeys.size(); ++i) {
            const auto state = GetAsyncKeyState(kKeys[i]);
            const bool downNow = (state & 0x8000) != 0;
            // The low bit catches a press shorter than the poll.
            pressed = pressed || (state & 1) != 0 || (downNow && !down_[i]);
            down_[i] = downNow;
        }
        return pressed;
    }

  private:
    static constexpr std::array<int, 5> kKeys = {VK_ESCAPE, VK_LEFT, VK_MENU, VK_LBUTTON,
                                                 VK_RBUTTON};
    static bool Read(int key) { return (GetAsyncKeyState(key) & 0x8000) != 0; }

    std::array<bool, kKeys.size()> down_{};
};

}  // namespace

ProgramOutput Win32ProgramRunner::RunForOutput(const platform::ProgramRun& run) {
    ProgramOutput result;
    auto output = MakePipe(false, kPipeBytes);
    // An input whose writing end is closed at once: a program that reads it gets its end.
    auto input = MakePipe(true, 0);
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    UniqueFile errors(CreateFileW(L"NUL", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  &inherit, OPEN_EXISTING, 0, nullptr));
    auto job = MakeKillingJob();
    if (!output.read || !input.read || !errors || !job) {
        result.exitCode = GetLastError();
        return result;
    }
    input.write.reset();

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES | STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    startup.hStdInput = input.read.get();
    startup.hStdOutput = output.write.get();
    startup.hStdError = errors.get();
    auto commandLine = Widen(run.commandLine);
    const auto folder = WidePath(run.workingFolder);
    PROCESS_INFORMATION started{};
    // Suspended until it is in the job, so that nothing it starts escapes it; no console window
    // for a console program.
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE,
                        CREATE_SUSPENDED | CREATE_NO_WINDOW | CREATE_UNICODE_ENVIRONMENT, nullptr,
                        run.workingFolder.empty() ? nullptr : folder.c_str(), &startup, &started)) {
        result.exitCode = GetLastError();
        return result;
    }
    UniqueKernelObject process(started.hProcess);
    UniqueKernelObject thread(started.hThread);
    // Where KOV itself runs in a job that allows no other, the program alone can still be ended.
    const bool inJob = AssignProcessToJobObject(job.get(), process.get()) != 0;
    ResumeThread(thread.get());
    // Only the program holds the writing ends now, so the pipe ends when it and its children do.
    output.write.reset();
    input.read.reset();
    errors.reset();

    LeavingKeys leaving;
    const auto deadline = GetTickCount64() + run.timeoutMilliseconds;
    bool exited = false;
    result.end = ProgramOutput::End::TimedOut;
    for (;;) {
        if (!Drain(output.read.get(), result.output, run.maxOutputBytes)) {
            result.end = ProgramOutput::End::Cut;
            break;
        }
        if (exited) {
            result.end = ProgramOutput::End::Exited;
            break;
        }
        if (leaving.Pressed()) {
            result.end = ProgramOutput::End::Cancelled;
            break;
        }
        const auto now = GetTickCount64();
        if (now >= deadline) break;
        const auto wait =
            static_cast<DWORD>(std::min<ULONGLONG>(deadline - now, kPollMilliseconds));
        const HANDLE handles[] = {process.get()};
        switch (MsgWaitForMultipleObjects(1, handles, FALSE, wait,
                                          QS_PAINT | QS_SENDMESSAGE | QS_KEY | QS_MOUSEBUTTON)) {
            case WAIT_OBJECT_0:
                exited = true;
                break;
            case WAIT_OBJECT_0 + 1:
                AnswerMessages();
                break;
            default:
                break;
        }
    }
    if (exited) {
        DWORD code = 0;
        GetExitCodeProcess(process.get(), &code);
        result.exitCode = code;
    }
    // What it started and left running ends with it.
    if (inJob) {
        TerminateJobObject(job.get(), 1);
    } else {
        TerminateProcess(process.get(), 1);
    }
    return result;
}

}  // namespace kov::win32
