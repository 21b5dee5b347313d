#include "commands/icon_target.h"

#include <cctype>
#include <utility>

#include "commands/command_field.h"
#include "core/device_names.h"
#include "core/text.h"
#include "menufile/text_helpers.h"

namespace kov {

IconTargets::IconTargets(const MenuSettings& settings, Expander& expander,
                         platform::Folders& folders)
    : settings_(settings), expander_(expander), folders_(folders) {}

std::optional<platform::ShellIconTarget> IconTargets::For(std::optional<CommandTarget> target) {
    if (!target || !settings_.ShellIcons || settings_.NoIcons) return std::nullopt;
    // Every URL opens in the program that opens ".htm" files.
    if (target->url) return platform::ShellIconTarget{".htm", true};
    return ForPath(std::move(target->path));
}

std::optional<IconTargets::CommandTarget> IconTargets::TargetOfLine(std::string_view line) {
    const auto trimmed = sTrimBlanks(TrimSpaces(line));
    // A heading cannot be chosen, whatever follows its caption.
    if (PlaceholderLetter(trimmed) == U'g') return std::nullopt;
    const auto fields = SplitText(trimmed, settings_.ItemDelimiter);
    std::size_t first = 1;
    while (first < fields.size() && fields[first].empty()) ++first;
    if (first >= fields.size()) return std::nullopt;
    const auto program = SplitCommandField(fields[first], settings_.ParameterDelimiter).Program;
    // Special commands run inside the program; the clipboard is not read before the choice.
    if (program.starts_with(kBrokenBar) || ContainsNoCase(program, kClipboardTextPlaceholder) ||
        ContainsNoCase(program, kClipboardFilesPlaceholder)) {
        return std::nullopt;
    }
    if (IsUrl(program)) return CommandTarget{program, true};
    auto path = TrimSpaces(expander_.ExpandAllButClipboardText(program));
    if (path.empty() || IsDeviceName(path)) return std::nullopt;
    return CommandTarget{std::move(path)};
}

std::optional<platform::ShellIconTarget> IconTargets::ForPath(std::string path) {
    if (!settings_.ShellIcons || settings_.NoIcons) return std::nullopt;
    bool byFileType = path.starts_with("\\\\");
    if (path.size() > 1 && path[1] == ':') {
        const auto drive = static_cast<char>(std::toupper(static_cast<unsigned char>(path[0])));
        const auto [known, added] = remoteDrives_.try_emplace(drive, false);
        if (added) known->second = folders_.OnNetworkOrRemovableDrive(path);
        byFileType = known->second;
    }
    return platform::ShellIconTarget{std::move(path), byFileType};
}

}  // namespace kov
