#include "commands/shell_launching.h"

#include <cstdint>

#include "commands/clipboard_commands.h"
#include "core/text.h"
#include "core/text_encoding.h"
#include "core/utf8.h"

namespace kov {

namespace {

constexpr unsigned kPrintPause = 3000;  // lets the printing program open the file first

}  // namespace

std::optional<int> ReadWindowState(std::string_view text, const NumberFormat& numbers) {
    const auto number = ParseLocaleNumber(text, numbers);
    const auto whole = number ? RoundHalfEven(*number, 0, 10) : std::nullopt;
    if (!whole) return std::nullopt;
    return static_cast<int>(*whole);
}

ShellLauncher::ShellLauncher(platform::Platform& platform, const UIStrings& strings,
                             const NumberFormat& numbers)
    : platform_(platform), strings_(strings), numbers_(numbers) {}

void ShellLauncher::RunCommand(const std::string& program, const std::string& parameters,
                               const std::string& workingFolder, const std::string& windowState) {
    if (program.empty()) return;
    auto& shell = platform_.shell;
    const int show =
        ReadWindowState(windowState, numbers_).value_or(platform::show_command::kShowNormal);
    if (shell.ShellExecute({true, std::nullopt, program, parameters, workingFolder, show}) > 32) {
        return;
    }
    if (shell.StartProcess(program, platform::show_command::kShowNormal) >= 32) return;
    shell.StartProcess("rundll32.exe shell32.dll,OpenAs_RunDLL " + program, show);
}

void ShellLauncher::OpenURL(std::string_view url) {
    if (sBrowserPath.empty()) sBrowserPath = TrimSpaces(FindBrowser().value_or(std::string()));
    if (sBrowserPath.empty()) return;
    const auto address = ReplaceAll(TrimSpaces(url), " ", "%20");
    platform_.shell.ShellExecute(
        {false, "OPEN", sBrowserPath, address, "", platform::show_command::kShowNormal});
}

std::optional<std::string> ShellLauncher::FindBrowser() {
    const auto& programFolder = platform_.identity.folder;
    const auto kept = InFolder(programFolder, "Temp.htm");
    if (platform_.files.FileExists(kept)) return platform_.shell.FindExecutable(kept);
    // A read-only program folder must not keep URLs from opening.
    for (const auto& folder : {programFolder, platform_.tempFolder.UserTempFolder()}) {
        const auto probe = InFolder(folder, "Temp.htm");
        if (!platform_.files.WriteNewFile(probe, "")) continue;
        auto browser = platform_.shell.FindExecutable(probe);
        platform_.files.DeleteFile(probe);
        return browser;
    }
    return std::nullopt;
}

void ShellLauncher::PrintFile(const std::string& document, const std::string& workingFolder) {
    auto& shell = platform_.shell;
    const platform::ShellRequest print{
        true, "Print", document, std::nullopt, workingFolder, platform::show_command::kShowNormal};
    if (!ContainsNoCase(document, kClipboardTextPlaceholder)) {
        shell.ShellExecute(print);
        return;
    }
    // As everywhere, a text that wants the clipboard text is nothing without it.
    const auto clip = ClipboardGetText(platform_.clipboard);
    if (clip.empty()) return;
    const auto content = ReplaceAllNoCase(document, kClipboardTextPlaceholder, clip) + "\r\n";
    const auto bytes = EncodeTextKeepingEverything(content, TextEncoding::Ansi, platform_.ansi);
    auto file = WritePrintFile(platform_.identity.folder, bytes);
    if (!file) file = WritePrintFile(platform_.tempFolder.UserTempFolder(), bytes);
    if (!file) return;
    auto request = print;
    request.file = *file;
    shell.ShellExecute(request);
    shell.Sleep(kPrintPause);
    platform_.files.DeleteFile(*file);
}

std::optional<std::string> ShellLauncher::WritePrintFile(const std::string& folder,
                                                         std::string_view content) {
    const auto stem = InFolder(folder, platform_.identity.fileName + "_print");
    for (std::uint32_t n = 0; n <= UINT16_MAX; ++n) {
        const auto name = stem + std::to_string(n) + ".txt";
        if (platform_.files.FileExists(name)) continue;
        if (platform_.files.WriteNewFile(name, content)) return name;
        return std::nullopt;
    }
    return std::nullopt;
}

void ShellLauncher::AppendToFile(const std::string& file, std::string_view text) {
    // The line goes in the file's own encoding and is valid in it. What an ANSI file's code page
    // cannot hold is refused rather than written as "?" or as bytes of another encoding.
    const auto existing = platform_.files.sReadWholeFile(file);
    const auto bytes = existing
                           ? EncodeTextWithoutMark(WellFormedUtf8(std::string(text) + "\r\n"),
                                                   EncodingToAppendTo(*existing), platform_.ansi)
                           : std::nullopt;
    if (bytes && platform_.files.AppendToFile(file, *bytes)) return;
    platform_.ShowError(strings_.sAPPENDERROR + " '" + file + "'.");
}

}  // namespace kov
