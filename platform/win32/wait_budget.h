// The time a run may spend waiting on other programs' windows, all questions together: a window
// that hangs must not keep the user's command waiting.
#pragma once

#include "platform/win32/windows_api.h"

#include <algorithm>
#include <chrono>

namespace kov::win32 {

class WaitBudget {
  public:
    explicit WaitBudget(std::chrono::milliseconds total) : left_(total) {}

    bool Spent() const { return left_.count() <= 0; }
    // Calls wait with the milliseconds left and takes the time it took off them.
    template <typename Wait>
    auto Spend(Wait wait) {
        const auto start = std::chrono::steady_clock::now();
        auto result = wait(static_cast<DWORD>(std::max<long long>(left_.count(), 0)));
        left_ -= std::chrono::duration_cast<std::chrono::milliseconds>(
            std::chrono::steady_clock::now() - start);
        return result;
    }
    // SendMessageTimeout within what is left; false when the window did not answer in time.
    bool Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam, DWORD_PTR* result) {
        if (Spent()) return false;
        return Spend([&](DWORD milliseconds) {
            return SendMessageTimeoutW(window, message, wParam, lParam,
                                       SMTO_ABORTIFHUNG | SMTO_BLOCK, milliseconds, result) != 0;
        });
    }

  private:
    std::chrono::milliseconds left_;
};

}  // namespace kov::win32
