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
    auto& files = platform_.files;
    // Temp.htm in the program folder is asked about as it is when it is there, and left alone.
    const auto kept = InFolder(platform_.identity.folder, "Temp.htm");
    if (files.FileExists(kept)) {
        if (auto browser = platform_.shell.FindExecutable(kept)) return browser;
    } else if (auto browser = AskAndRemove(files.WriteNewFile(kept, "") ? std::optional(kept)
                                                                        : std::nullopt)) {
        return browser;
    }
    // A read-only program folder must not keep URLs from opening: a name of the program's own in
    // the temporary folder.
    const auto stem = InFolder(platform_.tempFolder.UserTempFolder(), platform_.identity.fileName);
    return AskAndRemove(CreateNumberedFile(stem + "_url", ".htm", ""));
}

std::optional<std::string> ShellLauncher::AskAndRemove(const std::optional<std::string>& made) {
    if (!made) return std::nullopt;
    auto browser = platform_.shell.FindExecutable(*made);
    platform_.files.DeleteFile(*made);
    return browser;
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
    const auto stem = platform_.identity.fileName + "_print";
    auto file = CreateNumberedFile(InFolder(platform_.identity.folder, stem), ".txt", bytes);
    if (!file) {
        file = CreateNumberedFile(InFolder(platform_.tempFolder.UserTempFolder(), stem), ".txt",
                                  bytes);
    }
    if (!file) return;
    auto request = print;
    request.file = *file;
    shell.ShellExecute(request);
    shell.Sleep(kPrintPause);
    platform_.files.DeleteFile(*file);
}

std::optional<std::string> ShellLauncher::CreateNumberedFile(const std::string& stem,
                                                             std::string_view extension,
                                                             std::string_view content) {
    for (std::uint32_t n = 0; n <= UINT16_MAX; ++n) {
        const auto name = stem + std::to_string(n) + std::string(extension);
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

void ShellLauncher::RunAsAdministrator(const std::string& program, const std::string& parameters,
                                       const std::string& workingFolder,
                                       const std::string& windowState) {
    if (program.empty()) return;
    const int show =
        ReadWindowState(windowState, numbers_).value_or(platform::show_command::kShowNormal);
    platform_.shell.ShellExecute({true, "runas", program, parameters, workingFolder, show});
}

void ShellLauncher::ShowInFolder(std::string path) {
    // A folder is selected in its parent; only a drive's root keeps its backslash, and goes
    // unquoted, as a quote after a backslash would be taken for a literal one.
    if (path.size() > 3 && path.ends_with('\\')) path.pop_back();
    if (path.empty()) return;
    const auto selected = path.ends_with('\\') ? path : '"' + path + '"';
    platform_.shell.ShellExecute({true, std::nullopt, "explorer.exe", "/select," + selected, "",
                                  platform::show_command::kShowNormal});
}

}  // namespace kov
