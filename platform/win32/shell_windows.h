// Explorer windows through the shell's list of its windows, by late binding alone (the names
// scripts use: Count, Item, HWND, Document.Folder.Self.Path, SelectedItems, Navigate2), so that a
// test can stand a list of its own in for the shell's.
#pragma once

#include "platform/win32/windows_api.h"

#include <oaidl.h>

#include <functional>
#include <optional>
#include <string>

#include "platform/window_in_front.h"

namespace kov::win32 {

// What the list's window with that handle shows; nullopt when the list does not hold it.
std::optional<platform::ExplorerView> ReadExplorerWindow(IDispatch* shellWindows, HWND window);
// Sends the list's window with that handle to the folder; false when it is not in the list.
bool NavigateExplorerWindow(IDispatch* shellWindows, HWND window, const std::string& folder);

// Runs ask with the shell's own list on a thread of its own and gives up on it after the
// milliseconds, as Explorer's process may hang: false then. What ask writes to must be owned by
// ask itself, as the thread may outlive the call.
bool AskShellWindows(std::function<void(IDispatch*)> ask, DWORD milliseconds);

}  // namespace kov::win32
