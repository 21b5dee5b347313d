// The shell's icons of the entries, looked up as the worker looks them up.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <initializer_list>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "odmenu/win32/icon_worker.h"
#include "odmenu/win32/shell_context_menu.h"
#include "odmenu/win32/shell_icon_lookup.h"
#include "platform/win32/com_apartment.h"
#include "platform/win32/system_function.h"
#include "tests/win32/temp_folder.h"

namespace kov::win32 {
namespace {

// A program launched by a name registered under the application paths, whose value needs
// expanding.
TEST(ShellIconLookup, FindsProgramsByTheirRegisteredApplicationPath) {
    const ComApartment apartment;
    const wchar_t* key =
        L"Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\kovregistered.exe";
    const wchar_t value[] = L"%SystemRoot%\\system32\\notepad.exe";
    RegSetKeyValueW(HKEY_CURRENT_USER, key, nullptr, REG_EXPAND_SZ, value, sizeof value);
    const bool found = bool(LookUpShellIcon({"kovregistered"}, 16));
    RegDeleteKeyW(HKEY_CURRENT_USER, key);
    EXPECT_TRUE(found);
}

// The shell's context menu of a right-click: there for a file that is there (the end-to-end
// right-click shows its items), none once the file is gone.
TEST(ShellContextMenu, IsFilledForAnExistingFileOnly) {
    const testing::TempFolder folder;
    const auto file = folder / "a.txt";
    CloseHandle(
        CreateFileW(WidePath(file).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr));
    EXPECT_TRUE(ShellContextMenu::For(nullptr, file));
    DeleteFileW(WidePath(file).c_str());
    EXPECT_FALSE(ShellContextMenu::For(nullptr, file));

    // What the shell opens from it on a thread of its own keeps the program until it closes.
    using GetReference = HRESULT(WINAPI*)(IUnknown**);
    IUnknown* reference = nullptr;
    SystemFunction<GetReference>(L"shcore.dll", "GetProcessReference")(&reference);
    ASSERT_NE(reference, nullptr);  // held by the call
    std::atomic<bool> released = false;
    std::thread sheet([&] {
        Sleep(50);
        released = true;
        reference->Release();
    });
    ShellContextMenu::WaitForItsWindows();
    EXPECT_TRUE(released);
    sheet.join();
}

// The shell as the pool sees it: each lookup is recorded as it starts and answers when the test
// says so; "stall" answers only at the end. Never freed: the stalled thread outlives the test.
struct FakeShell {
    std::mutex mutex;
    std::vector<std::string> started;
    HANDLE go = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HANDLE release = CreateEventW(nullptr, TRUE, FALSE, nullptr);
};
FakeShell& shell = *new FakeShell;

IconPixels FakeLookUp(const platform::ShellIconTarget& target, int side) {
    std::unique_lock lock(shell.mutex);
    shell.started.push_back(target.path);
    lock.unlock();
    WaitForSingleObject(target.path == "stall" ? shell.release : shell.go, 20000);
    return {{side, side}, PixelRow(static_cast<std::size_t>(side * side), 0xFF000000)};
}

std::vector<IconRequest> Requests(std::initializer_list<const char*> paths) {
    std::vector<IconRequest> requests;
    for (const char* path : paths) {
        requests.push_back(
            {{IconSource::Kind::Shell, path, {}, 16}, [path] { return FakeLookUp({path}, 16); }});
    }
    return requests;
}

// Two lookups at a time: "stall" and "a1" start; then a popup opens with p1, p2 and a2, which go
// before a2's and a3's earlier place. "stall" never answers, is given up, and holds back no other.
TEST(IconWorker, AnswersTheOpenPopupFirstAndGivesUpAStalledTarget) {
    const HWND window = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                        GetModuleHandleW(nullptr), nullptr);
    const auto startedCount = [&] {
        const std::lock_guard lock(shell.mutex);
        return shell.started.size();
    };
    std::map<std::string, bool> answered;  // with an icon or without
    {
        IconWorker worker(window);
        worker.Request(Requests({"stall", "a1", "a2", "a3"}));
        const ULONGLONG deadline = GetTickCount64() + 10000;
        while (startedCount() < 2 && GetTickCount64() < deadline) Sleep(10);
        worker.Request(Requests({"p1", "p2", "a2"}));
        SetEvent(shell.go);
        while (answered.size() < 6 && GetTickCount64() < deadline + 10000) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
            MSG message;
            while (PeekMessageW(&message, window, kIconsArrived, kIconsArrived, PM_REMOVE)) {
                for (const auto& result : worker.TakeResults())
                    answered[result.key.path] = !result.icon.pixels.empty();
            }
        }
        const std::lock_guard lock(shell.mutex);
        ASSERT_EQ(shell.started.size(), 6u);
        std::sort(shell.started.begin(), shell.started.begin() + 2);  // the first two in any order
        EXPECT_EQ(shell.started, (std::vector<std::string>{"a1", "stall", "p1", "p2", "a2", "a3"}));
    }  // gone while "stall" still hangs: nothing waits for it
    SetEvent(shell.release);
    DestroyWindow(window);
    EXPECT_EQ(answered.size(), 6u);  // each of them, with an icon but for "stall"
    for (const auto& [path, icon] : answered) EXPECT_EQ(icon, path != "stall") << path;
}

}  // namespace
}  // namespace kov::win32
