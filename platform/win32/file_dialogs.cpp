#include "platform/win32/file_dialogs.h"

#include <commdlg.h>
#include <dlgs.h>

#include <algorithm>
#include <string_view>
#include <vector>

#include "commands/where_user_is.h"
#include "platform/win32/handles.h"
#include "platform/win32/wide_text.h"

namespace kov::win32 {

namespace {

// The file name box: an edit inside the combo box of Explorer-style and newer dialogs, a plain
// edit in older ones.
HWND FileNameBox(HWND dialog) {
    if (HWND combo = GetDlgItem(dialog, cmb13)) {
        HWND edit = FindWindowExW(combo, nullptr, L"Edit", nullptr);
        return edit != nullptr ? edit : combo;
    }
    return GetDlgItem(dialog, edt1);
}

std::optional<std::wstring> TextOf(HWND box, WaitBudget& budget) {
    std::wstring text(32768, L'\0');
    DWORD_PTR copied = 0;
    if (!budget.Send(box, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                     &copied)) {
        return std::nullopt;
    }
    text.resize(std::min<std::size_t>(copied, text.size() - 1));
    return text;
}

bool SetTextOf(HWND box, const std::wstring& text, WaitBudget& budget) {
    DWORD_PTR ignored = 0;
    return budget.Send(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), &ignored);
}

bool ClassIs(HWND window, std::wstring_view name) {
    wchar_t className[64];
    const int length = GetClassNameW(window, className, 64);
    return length > 0 && std::wstring_view(className, static_cast<std::size_t>(length)) == name;
}

BOOL CALLBACK FindAddressBar(HWND child, LPARAM found) {
    if (!ClassIs(child, L"ToolbarWindow32") || !ClassIs(GetParent(child), L"Breadcrumb Parent")) {
        return TRUE;
    }
    std::wstring text(32768, L'\0');
    text.resize(static_cast<std::size_t>(
        std::max(GetWindowTextW(child, text.data(), static_cast<int>(text.size())), 0)));
    *reinterpret_cast<std::optional<std::string>*>(found) = FolderOfAddressText(Narrow(text));
    return FALSE;
}

// The newer dialog's address bar shows the folder in its window text, which is read without a
// message to the dialog.
std::optional<std::string> AddressBarFolder(HWND dialog) {
    std::optional<std::string> folder;
    EnumChildWindows(dialog, &FindAddressBar, reinterpret_cast<LPARAM>(&folder));
    return folder;
}

// CDM_GETFOLDERPATH writes into the dialog's own memory, so a buffer is lent there. A dialog of
// the ANSI calls writes ANSI text: a path starts with an ASCII character, whose UTF-16 form has
// a zero second byte.
std::optional<std::string> AskedFolder(HWND dialog, WaitBudget& budget) {
    DWORD processId = 0;
    GetWindowThreadProcessId(dialog, &processId);
    UniqueKernelObject process(
        OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId));
    if (!process) return std::nullopt;
    constexpr std::size_t kUnits = 32768;
    void* lent = VirtualAllocEx(process.get(), nullptr, kUnits * sizeof(wchar_t),
                                MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    if (lent == nullptr) return std::nullopt;
    DWORD_PTR length = 0;
    // A dialog that did not answer in time may still write there later: the memory stays lent.
    if (!budget.Send(dialog, CDM_GETFOLDERPATH, kUnits, reinterpret_cast<LPARAM>(lent), &length)) {
        return std::nullopt;
    }
    std::vector<char> bytes(kUnits * sizeof(wchar_t));
    const bool read = static_cast<LONG_PTR>(length) > 1 &&
                      ReadProcessMemory(process.get(), lent, bytes.data(), bytes.size(), nullptr);
    VirtualFreeEx(process.get(), lent, 0, MEM_RELEASE);
    if (!read) return std::nullopt;
    if (bytes[1] != 0) {
        const std::wstring wide = [&] {
            std::wstring converted(kUnits, L'\0');
            converted.resize(static_cast<std::size_t>(MultiByteToWideChar(
                CP_ACP, 0, bytes.data(), -1, converted.data(), static_cast<int>(kUnits))));
            return converted;
        }();
        return Narrow(wide.c_str());
    }
    return Narrow(reinterpret_cast<const wchar_t*>(bytes.data()));
}

bool IsFileDialog(HWND dialog) {
    return FileNameBox(dialog) != nullptr && GetDlgItem(dialog, IDOK) != nullptr;
}

}  // namespace

std::optional<std::string> FileDialogFolder(HWND dialog, WaitBudget& budget) {
    if (!IsFileDialog(dialog)) return std::nullopt;
    if (auto folder = AddressBarFolder(dialog)) return folder;
    return AskedFolder(dialog, budget);
}

bool TakeFileDialogTo(HWND dialog, const std::string& folder, WaitBudget& budget) {
    if (!IsFileDialog(dialog)) return false;
    HWND box = FileNameBox(dialog);
    const auto typed = TextOf(box, budget);
    if (!typed) return false;
    auto path = Widen(folder);
    // "C:\x\" would be taken as a file name in some dialogs; a drive root keeps its backslash.
    if (path.size() > 3 && path.ends_with(L'\\')) path.pop_back();
    // A box that cuts the path would take the dialog somewhere else.
    if (!SetTextOf(box, path, budget) || TextOf(box, budget) != path) {
        SetTextOf(box, *typed, budget);
        return false;
    }
    // A dialog still busy going there when the wait ends is taken to have gone: opening the
    // folder anew as well would show it twice, and the name cannot be put back meanwhile.
    DWORD_PTR ignored = 0;
    if (budget.Send(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                    reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)), &ignored)) {
        SetTextOf(box, *typed, budget);
    }
    SetForegroundWindow(dialog);
    return true;
}

}  // namespace kov::win32
