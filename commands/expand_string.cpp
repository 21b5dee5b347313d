#include "commands/expand_string.h"

#include <utility>
#include <vector>

#include "commands/clipboard_commands.h"
#include "commands/url_encode.h"
#include "core/text.h"
#include "menufile/date_format.h"

namespace kov {

Expander::Expander(platform::Environment& environment, std::string programFolder,
                   platform::Clipboard& clipboard, platform::Clock& clock,
                   const MenuSettings& settings, WhereTheUserIs* where)
    : environment_(environment),
      programFolder_(std::move(programFolder)),
      clipboard_(clipboard),
      clock_(clock),
      settings_(settings),
      where_(where) {}

std::string Expander::sExpandString(std::string_view text, bool urlFlag) {
    return Expand(text, urlFlag, true);
}

std::string Expander::ExpandAllButClipboardText(std::string_view text) {
    return Expand(text, false, false);
}

std::string Expander::Expand(std::string_view text, bool urlFlag, bool clipboardText) {
    // The menu's own text is complete before the clipboard's and the window's go in, so a "¦d(" on
    // the clipboard or a "%" in a folder name stays text.
    const auto own = sReplaceDate(ResolveRelativePath(ExpandEnvironment(text)), clock_);
    std::vector<Replacement> inserts;
    std::string clip;
    if (clipboardText && ContainsNoCase(own, kClipboardTextPlaceholder)) {
        clip = ClipboardGetText(clipboard_);
        if (clip.empty()) return {};
        if (urlFlag) clip = sURLEncode(clip);
        inserts.push_back({kClipboardTextPlaceholder, clip});
    }
    std::string files;
    if (ContainsNoCase(own, kClipboardFilesPlaceholder)) {
        files = ClipboardGetFiles(clipboard_, settings_);
        inserts.push_back({kClipboardFilesPlaceholder, files});
    }
    if (where_ != nullptr && ContainsNoCase(own, kFolderInFrontPlaceholder)) {
        inserts.push_back({kFolderInFrontPlaceholder, where_->Folder()});
    }
    if (where_ != nullptr && ContainsNoCase(own, kSelectionInFrontPlaceholder)) {
        inserts.push_back({kSelectionInFrontPlaceholder, where_->Selection()});
    }
    return ReplaceEachNoCase(own, inserts);
}

std::string Expander::ExpandEnvironment(std::string_view text) {
    std::string result(text);
    if (result.find('%') == std::string::npos) return result;
    if (auto expanded = environment_.ExpandEnvironmentStrings(result)) {
        const auto first = expanded->find_first_not_of(' ');
        result = first == std::string::npos ? std::string() : expanded->substr(first);
    }
    return result;
}

std::string Expander::ResolveRelativePath(std::string text) const {
    std::string folder = programFolder_;
    if (folder.find('\\') != std::string::npos && text.starts_with("..\\")) {
        while (folder.find('\\') != std::string::npos && text.starts_with("..\\")) {
            folder.erase(folder.rfind('\\'));
            text.erase(0, 3);
        }
        return folder + "\\" + text;
    }
    if (text.starts_with(".\\")) return folder + "\\" + text.substr(2);
    return text;
}

}  // namespace kov
