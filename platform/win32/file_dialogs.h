// Another program's Open or Save As dialog, classic or newer: the folder it shows, and taking it
// to another folder as a user would, by typing the folder as the file name and pressing OK.
#pragma once

#include "platform/win32/windows_api.h"

#include <optional>
#include <string>

#include "platform/win32/wait_budget.h"

namespace kov::win32 {

// nullopt when the window is no file dialog or did not say in time.
std::optional<std::string> FileDialogFolder(HWND dialog, WaitBudget& budget);
// The file name typed in the dialog is put back afterwards. False when the window is no file
// dialog, did not answer in time, or its file name box cannot hold the whole path.
bool TakeFileDialogTo(HWND dialog, const std::string& folder, WaitBudget& budget);

}  // namespace kov::win32
