#include "menufile/generator_menus.h"

#include <utility>

#include "core/text.h"
#include "core/text_encoding.h"
#include "core/utf8.h"

namespace kov {

void GeneratorMenus::Add(platform::MenuHandle menu, Generator generator) {
    pending_[menu] = std::move(generator);
}

std::optional<Generator> GeneratorMenus::TakeOnOpen(platform::MenuHandle menu) {
    const auto found = pending_.find(menu);
    if (found == pending_.end()) return std::nullopt;
    auto generator = std::move(found->second);
    pending_.erase(found);
    return generator;
}

std::string GeneratorCommandLine(std::string_view program, std::string_view parameters) {
    auto line = "\"" + std::string(program) + "\"";
    if (!parameters.empty()) line += " " + std::string(parameters);
    const auto dot = program.find_last_of('.');
    const auto extension = dot == std::string_view::npos ? "" : FoldCase(program.substr(dot));
    // "/s" takes the outer quotes away and leaves the rest as written.
    if (extension == ".bat" || extension == ".cmd") return "cmd.exe /d /s /c \"" + line + "\"";
    return line;
}

std::optional<ReadLines> GeneratedLines(const platform::ProgramOutput& output) {
    using End = platform::ProgramOutput::End;
    if (output.end == End::NotStarted || output.end == End::TimedOut) return std::nullopt;
    std::string_view bytes = output.output;
    if (output.end == End::Exited && output.exitCode != 0 && bytes.empty()) return std::nullopt;
    std::string text;
    if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) {
        text = Utf16ToUtf8(Utf16Units(bytes.substr(2), bytes[0] == '\xFE'));
    } else {
        if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
        text = Utf16ToUtf8(Utf8ToUtf16(bytes));
    }
    auto read = SplitLinesWithinLimits(text);
    read.cut = read.cut || output.end == End::Cut;
    return read;
}

}  // namespace kov
