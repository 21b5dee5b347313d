// The time a run may spend waiting on other programs' windows that do not answer, all questions
// together: a window that hangs must not keep the user's command waiting. A window that answers
// is alive, however long its work takes, and costs nothing.
#pragma once

#include "platform/win32/windows_api.h"

#include <algorithm>
#include <chrono>

namespace kov::win32 {

class WaitBudget {
  public:
    explicit WaitBudget(std::chrono::milliseconds total) : left_(total) {}

    // Calls wait with the milliseconds left; true when it was answered in time. What an
    // unanswered wait took is taken off what is left.
    template <typename Wait>
    bool Await(Wait wait) {
        if (left_.count() <= 0) return false;
        const auto start = std::chrono::steady_clock::now();
        const bool answered = wait(static_cast<DWORD>(left_.count()));
        if (!answered) {
            left_ -= std::chrono::duration_cast<std::chrono::milliseconds>(
                std::chrono::steady_clock::now() - start);
        }
        return answered;
    }
    // SendMessageTimeout within what is left; a hung window fails at once.
    bool Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam, DWORD_PTR* result) {
        return Await([&](DWORD milliseconds) {
            return SendMessageTimeoutW(window, message, wParam, lParam,
                                       SMTO_ABORTIFHUNG | SMTO_BLOCK, milliseconds, result) != 0;
        });
    }

  private:
    std::chrono::milliseconds left_;
};

}  // namespace kov::win32
