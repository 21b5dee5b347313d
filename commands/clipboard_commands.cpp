#include "commands/clipboard_commands.h"

#include "commands/expand_string.h"

namespace kov {

std::string ClipboardGetText(platform::Clipboard& clipboard) {
    return clipboard.GetText().value_or(std::string());
}

std::string ClipboardGetFiles(platform::Clipboard& clipboard, const MenuSettings& settings) {
    const auto files = clipboard.GetFiles();
    if (!files) return {};
    std::string list;
    for (std::size_t i = 0; i < files->size(); ++i) {
        if (i > 0) list += settings.StringDelimiter;
        list += (*files)[i];
    }
    return settings.StringBefore + list + settings.StringAfter;
}

ClipboardWriter::ClipboardWriter(platform::Platform& platform, const UIStrings& strings,
                                 Expander& expander)
    : platform_(platform), strings_(strings), expander_(expander) {}

void ClipboardWriter::ClipboardSetText(std::string_view text) {
    if (!platform_.clipboard.SetText(text)) platform_.ShowError(strings_.sCLIPBOARDERROR);
}

void ClipboardWriter::ClipboardSetFileContents(std::string_view fileName) {
    if (fileName.empty()) return;
    const auto path = expander_.sExpandString(fileName, false);
    auto& files = platform_.files;
    std::string found = path;
    if (!files.FileExists(path)) {
        const auto& folder = platform_.identity.folder;
        const auto drive = path.find(":\\");
        found.clear();
        if (drive == std::string::npos || drive == 0) {
            if (files.FileExists(folder + path)) {
                found = folder + path;
            } else if (files.FileExists(folder + "\\" + path)) {
                found = folder + "\\" + path;
            }
        }
    }
    const auto content =
        found.empty() ? std::nullopt : platform::ReadTextFile(files, platform_.ansi, found);
    if (!content) {
        platform_.ShowError(strings_.sTHEFILE + " '" + path + "' " + strings_.sWASNOTFOUND);
        return;
    }
    ClipboardSetText(content->text);
}

}  // namespace kov
