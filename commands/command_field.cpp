#include "commands/command_field.h"

#include <iterator>

#include "core/text.h"

namespace kov {

CommandField SplitCommandField(std::string_view text, std::string_view delimiter) {
    const auto parts = SplitText(text, delimiter);
    CommandField field;
    std::string* targets[] = {&field.Program, &field.Parameters, &field.WorkingFolder,
                              &field.WindowState};
    for (std::size_t i = 0; i < parts.size() && i < std::size(targets); ++i) *targets[i] = parts[i];
    return field;
}

bool IsUrl(std::string_view program) {
    for (const std::string_view prefix : {"https://", "http://", "www", "ftp://"}) {
        if (StartsWithNoCase(program, prefix)) return true;
    }
    return false;
}

}  // namespace kov
