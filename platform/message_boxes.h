#pragma once

#include <string_view>

namespace kov::platform {

namespace message_box {
inline constexpr unsigned kOk = 0x0;
inline constexpr unsigned kYesNo = 0x4;
inline constexpr unsigned kIconError = 0x10;
inline constexpr unsigned kIconInformation = 0x40;
inline constexpr int kAnswerYes = 6;
inline constexpr int kAnswerNo = 7;
}  // namespace message_box

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // Shows a modal message box and returns the button pressed.
    virtual int MessageBox(std::string_view text, std::string_view title, unsigned flags) = 0;
};

}  // namespace kov::platform
