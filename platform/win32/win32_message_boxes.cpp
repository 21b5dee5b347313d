#include "platform/win32/win32_message_boxes.h"

#include <string>

namespace kov::win32 {

int Win32MessageBoxes::MessageBox(std::string_view text, std::string_view title, unsigned flags) {
    const std::string terminatedText(text);
    const std::string terminatedTitle(title);
    return MessageBoxA(owner_, terminatedText.c_str(), terminatedTitle.c_str(), flags);
}

}  // namespace kov::win32
