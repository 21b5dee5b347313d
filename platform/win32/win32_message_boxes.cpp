#include "platform/win32/win32_message_boxes.h"

#include <string>

#include "platform/win32/common_controls.h"
#include "platform/win32/wide_text.h"

namespace kov::win32 {

int Win32MessageBoxes::MessageBox(std::string_view text, std::string_view title, unsigned flags) {
    const CommonControlsScope controls;
    return MessageBoxW(owner_, Widen(text).c_str(), Widen(title).c_str(), flags);
}

}  // namespace kov::win32
