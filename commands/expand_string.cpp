#include "commands/expand_string.h"

#include <utility>

#include "commands/clipboard_commands.h"
#include "commands/url_encode.h"
#include "core/text.h"
#include "menufile/date_format.h"

namespace kov {

Expander::Expander(platform::Environment& environment, std::string programFolder,
                   platform::Clipboard& clipboard, platform::Clock& clock,
                   const MenuSettings& settings)
    : environment_(environment),
      programFolder_(std::move(programFolder)),
      clipboard_(clipboard),
      clock_(clock),
      settings_(settings) {}

std::string Expander::sExpandString(std::string_view text, bool urlFlag) {
    return Expand(text, urlFlag, true);
}

std::string Expander::ExpandAllButClipboardText(std::string_view text) {
    return Expand(text, false, false);
}

std::string Expander::Expand(std::string_view text, bool urlFlag, bool clipboardText) {
    auto result = ResolveRelativePath(ExpandEnvironment(text));
    if (clipboardText && ContainsNoCase(result, kClipboardTextPlaceholder)) {
        auto clip = ClipboardGetText(clipboard_);
        if (clip.empty()) {
            result.clear();
        } else {
            if (urlFlag) clip = sURLEncode(clip);
            result = ReplaceAllNoCase(result, kClipboardTextPlaceholder, clip);
        }
    }
    if (ContainsNoCase(result, kClipboardFilesPlaceholder)) {
        result = ReplaceAllNoCase(result, kClipboardFilesPlaceholder,
                                  ClipboardGetFiles(clipboard_, settings_));
    }
    return sReplaceDate(result, clock_);
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
