#include "platform/win32/win32_window_in_front.h"

#include <memory>
#include <vector>

#include "platform/win32/file_dialogs.h"
#include "platform/win32/handles.h"
#include "platform/win32/shell_windows.h"
#include "platform/win32/wide_text.h"

namespace kov::win32 {

namespace {

HWND AsWindow(platform::WindowHandle window) {
    return reinterpret_cast<HWND>(window);
}

DWORD IntegrityOf(HANDLE process) {
    HANDLE token = nullptr;
    if (!OpenProcessToken(process, TOKEN_QUERY, &token)) return MAXDWORD;
    UniqueKernelObject owned(token);
    DWORD size = 0;
    GetTokenInformation(token, TokenIntegrityLevel, nullptr, 0, &size);
    std::vector<char> buffer(size);
    if (size == 0 || !GetTokenInformation(token, TokenIntegrityLevel, buffer.data(), size, &size)) {
        return MAXDWORD;
    }
    const auto* label = reinterpret_cast<const TOKEN_MANDATORY_LABEL*>(buffer.data());
    const auto* count = GetSidSubAuthorityCount(label->Label.Sid);
    return *GetSidSubAuthority(label->Label.Sid, *count - 1u);
}

// The file name of the program of a window KOV may ask; empty for another user's or a more
// elevated program, whose windows refuse KOV's messages.
std::wstring AskableProgram(HWND window) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    UniqueKernelObject process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
    if (!process || IntegrityOf(process.get()) > IntegrityOf(GetCurrentProcess())) return {};
    std::wstring path(32768, L'\0');
    DWORD size = static_cast<DWORD>(path.size());
    if (!QueryFullProcessImageNameW(process.get(), 0, path.data(), &size)) return {};
    path.resize(size);
    return path.substr(path.find_last_of(L'\\') + 1);
}

}  // namespace

platform::WindowInFront NoteWindowInFront() {
    HWND window = GetForegroundWindow();
    if (window == nullptr || window == GetShellWindow() || window == GetDesktopWindow()) return {};
    wchar_t className[256];
    const int length = GetClassNameW(window, className, 256);
    const std::wstring_view name(className, length > 0 ? static_cast<std::size_t>(length) : 0);
    // The desktop's own windows, behind the icons and in front of the wallpaper.
    if (name == L"Progman" || name == L"WorkerW") return {};
    const auto program = AskableProgram(window);
    if (program.empty()) return {};
    return {reinterpret_cast<platform::WindowHandle>(window), Narrow(program), Narrow(name)};
}

std::optional<platform::ExplorerView> Win32PlaceInFront::ExplorerWindow(
    platform::WindowHandle window) {
    if (IsHungAppWindow(AsWindow(window))) return std::nullopt;
    auto view = std::make_shared<std::optional<platform::ExplorerView>>();
    const bool answered = budget_.Await([&](DWORD milliseconds) {
        return AskShellWindows(
            [view, window](IDispatch* list) { *view = ReadExplorerWindow(list, AsWindow(window)); },
            milliseconds);
    });
    return answered ? *view : std::nullopt;
}

std::optional<std::string> Win32PlaceInFront::DialogFolder(platform::WindowHandle window) {
    if (IsHungAppWindow(AsWindow(window))) return std::nullopt;
    return FileDialogFolder(AsWindow(window), budget_);
}

bool Win32PlaceInFront::IsFolder(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(Widen(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool Win32PlaceInFront::TakeDialogTo(platform::WindowHandle window, const std::string& folder) {
    if (IsHungAppWindow(AsWindow(window))) return false;
    return TakeFileDialogTo(AsWindow(window), folder, budget_);
}

bool Win32PlaceInFront::TakeExplorerTo(platform::WindowHandle window, const std::string& folder) {
    if (IsHungAppWindow(AsWindow(window))) return false;
    auto went = std::make_shared<bool>(false);
    const bool answered = budget_.Await([&](DWORD milliseconds) {
        return AskShellWindows(
            [went, window, folder](IDispatch* list) {
                *went = NavigateExplorerWindow(list, AsWindow(window), folder);
            },
            milliseconds);
    });
    return answered && *went;
}

}  // namespace kov::win32
