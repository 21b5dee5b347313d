#include "menufile/menu_builder.h"

#include <cstdint>
#include <cstdio>

#include "core/command_ids.h"
#include "core/text.h"
#include "core/utf8.h"
#include "menufile/date_format.h"
#include "menufile/program_sections.h"
#include "menufile/text_helpers.h"

namespace kov {

namespace {

namespace mf = platform::menu_flags;

// Far beyond any sensible caption; longer ones are cut, since a popup cannot show them and some
// systems fail to show the popup at all.
constexpr std::size_t kMaxCaptionLength = 4096;

// A line marker: the broken bar and a letter, letter case ignored.
constexpr std::size_t kMarkerLength = kBrokenBar.size() + 1;

class Parse {
  public:
    Parse(MenuFileContext& context, platform::MenuHandle root)
        : context_(context),
          menus_(context.platform.menus),
          sections_(context.platform.front, context.everySection),
          menuStack_{root} {}

    void Line(std::string_view raw, CommandId id) {
        if (level_ < 0) level_ = 0;
        line_ = id;
        const std::string line = sTrimBlanks(TrimSpaces(raw));
        if (line.empty() || !sections_.Keeps(line, id, context_.problems)) return;
        const auto& settings = context_.settings;
        switch (line[0]) {
            case '@':
                if (auto problem =
                        ApplySettingsLine(line, context_.settings, context_.settingsContext)) {
                    Problem(std::move(*problem));
                }
                return;
            case ';':
                return;
            case '-':
                Append(mf::kSeparator, 0, {});
                return;
            case '[':
                OpenSubmenu(line.substr(1));
                return;
            case ']':
                CloseSubmenu();
                return;
            default:
                break;
        }
        const auto marker = PlaceholderLetter(line);
        if (marker == U'g') {
            const auto fields =
                SplitText(std::string_view(line).substr(kMarkerLength), settings.ItemDelimiter);
            if (!fields.empty()) AppendItem(mf::kGrayed, id, fields[0]);
        } else if (marker == U'q') {
            const auto parts = SplitText(std::string_view(line).substr(kMarkerLength),
                                         settings.ParameterDelimiter);
            if (!parts.empty()) AppendFolderMenu(parts);
        } else {
            const auto fields = SplitText(line, settings.ItemDelimiter);
            AppendItem(mf::kString, id, fields[0]);
            CheckCommands(fields, id);
        }
    }

    // Submenus still open when the file ends, each at the line that opened it.
    void End() {
        for (const int opened : openedAt_) context_.problems.Add(opened, "[ is never closed by ]");
    }

  private:
    void Problem(std::string message) { context_.problems.Add(line_, std::move(message)); }

    void CheckCommands(const std::vector<std::string>& fields, CommandId id) {
        if (id > kLastLineItemId) {
            return Problem("only lines 1 to " + std::to_string(kLastLineItemId) +
                           " can run a command; this item is grayed");
        }
        bool anyCommand = false;
        for (std::size_t i = 1; i < fields.size(); ++i) {
            if (fields[i].empty()) continue;
            anyCommand = true;
            CheckProgram(SplitText(fields[i], context_.settings.ParameterDelimiter)[0]);
        }
        if (!anyCommand) Problem("no command after the caption " + Quote(fields[0]));
    }

    void CheckProgram(const std::string& program) {
        if (program.starts_with(kBrokenBar)) {
            const auto letter = PlaceholderLetter(program);
            if (std::u32string_view(U"pcxsa").find(letter) == std::u32string_view::npos) {
                Problem("unknown special command " + Quote(program.substr(0, kMarkerLength)));
            }
            return;
        }
        // Placeholders would read the clipboard; a name without a folder is searched for by the
        // system, which is not ours to repeat.
        if (program.find(kBrokenBar) != std::string::npos) return;
        const auto path = context_.settingsContext.expander.sExpandString(program, false);
        if (!IsDrivePath(path) || ProgramExists(path)) return;
        Problem("program not found: " + Quote(path));
    }

    // Started as a command line when it is no file: "C:\x\a.exe /y" runs a.exe.
    bool ProgramExists(const std::string& path) {
        auto& files = context_.platform.files;
        if (files.ExistsOnLocalDrive(path).value_or(true)) return true;
        for (auto blank = path.find(' '); blank != std::string::npos;
             blank = path.find(' ', blank + 1)) {
            if (files.ExistsOnLocalDrive(path.substr(0, blank)).value_or(true)) return true;
        }
        return false;
    }

    platform::MenuHandle Current() const { return menuStack_[static_cast<std::size_t>(level_)]; }

    void Append(unsigned flags, std::uintptr_t idOrSubmenu, std::string_view text) {
        if (text.size() > kMaxCaptionLength) {
            Problem("a caption longer than " + std::to_string(kMaxCaptionLength) +
                    " bytes is cut: " + Quote(text));
        }
        menus_.AppendMenu(Current(), flags, idOrSubmenu, text.substr(0, kMaxCaptionLength));
    }

    void AppendItem(unsigned flags, CommandId id, const std::string& caption) {
        // Identifiers above the line range belong to folder entries: such lines show, grayed, but
        // can never run another entry's command.
        if (id > kLastLineItemId) flags |= mf::kGrayed;
        Append(flags, platform::MenuItemValue(id), Dated(caption));
    }

    // Captions of items, headings and folder menus show the date; "[" texts do not.
    std::string Dated(const std::string& caption) {
        return sReplaceDate(caption, context_.platform.clock);
    }

    platform::MenuHandle AppendSubmenu(std::string_view text) {
        const auto sub = menus_.CreatePopupMenu();
        Append(mf::kPopup, sub, text);
        return sub;
    }

    // With only a caption the submenu stays empty.
    void AppendFolderMenu(const std::vector<std::string>& parts) {
        const auto sub = AppendSubmenu(Dated(parts[0]));
        if (parts.size() < 2) return;
        auto folder = context_.settingsContext.expander.sExpandString(parts[1], false);
        if (!context_.platform.files.ExistsOnLocalDrive(folder).value_or(true)) {
            Problem("folder not found: " + Quote(folder));
        }
        context_.folderMenus.BuildFolderMenu(std::move(folder),
                                             parts.size() > 2 ? parts[2] : std::string(),
                                             parts.size() > 3 ? parts[3] : std::string(), sub);
    }

    void OpenSubmenu(std::string_view text) {
        const auto sub = AppendSubmenu(text);
        menuStack_.push_back(sub);
        openedAt_.push_back(line_);
        ++level_;
    }

    void CloseSubmenu() {
        if (level_ <= 0) Problem("] without an open submenu");
        --level_;
        if (menuStack_.size() > 1) menuStack_.pop_back();
        if (!openedAt_.empty()) openedAt_.pop_back();
    }

    MenuFileContext& context_;
    platform::Menus& menus_;
    ProgramSections sections_;
    std::vector<platform::MenuHandle> menuStack_;
    int level_ = 0;
    int line_ = 0;
    std::vector<int> openedAt_;
};

// The line, counted from 1, that a text continues.
int LineAfter(std::string_view before) {
    return static_cast<int>(1 + SplitLines(before).size() - (before.empty() ? 0 : 1));
}

// A UTF-16 file reads an unpaired surrogate as U+FFFD.
void CheckUtf16(std::string_view bytes, bool bigEndian, MenuProblems& problems) {
    const auto units = Utf16Units(bytes, bigEndian);
    const auto isHigh = [](char16_t unit) { return unit >= 0xD800 && unit < 0xDC00; };
    const auto isLow = [](char16_t unit) { return unit >= 0xDC00 && unit < 0xE000; };
    for (std::size_t i = 0; i < units.size(); ++i) {
        if (isHigh(units[i]) && i + 1 < units.size() && isLow(units[i + 1])) {
            ++i;
        } else if (isHigh(units[i]) || isLow(units[i])) {
            char unit[8];
            std::snprintf(unit, sizeof unit, "U+%04X", static_cast<unsigned>(units[i]));
            problems.Add(
                LineAfter(Utf16ToUtf8(std::u16string_view(units).substr(0, i))),
                std::string("UTF-16 surrogate ") + unit + " has no partner; it was read as U+FFFD");
            return;
        }
    }
}

// A file without a mark that is almost UTF-8 is read in the ANSI code page whole; one with the
// UTF-8 mark reads its broken bytes as U+FFFD. Either way the user wants to know where.
void CheckEncoding(std::string_view bytes, TextEncoding encoding, MenuProblems& problems) {
    if (encoding == TextEncoding::Utf16Le || encoding == TextEncoding::Utf16Be) {
        return CheckUtf16(bytes.substr(2), encoding == TextEncoding::Utf16Be, problems);
    }
    if (encoding != TextEncoding::Ansi && encoding != TextEncoding::Utf8WithMark) return;
    std::size_t firstInvalid = std::string_view::npos;
    bool multiByte = false;
    for (std::size_t at = 0; at < bytes.size();) {
        if (static_cast<unsigned char>(bytes[at]) < 0x80) {
            ++at;
            continue;
        }
        const auto point = DecodeUtf8At(bytes, at);
        if (point.length == 1 && firstInvalid == std::string_view::npos) firstInvalid = at;
        multiByte = multiByte || point.length > 1;
        at += point.length;
    }
    if (firstInvalid == std::string_view::npos || (encoding == TextEncoding::Ansi && !multiByte)) {
        return;
    }
    problems.Add(LineAfter(bytes.substr(0, firstInvalid)),
                 "byte " + EscapedByte(static_cast<unsigned char>(bytes[firstInvalid])) +
                     " is not UTF-8; " +
                     (encoding == TextEncoding::Ansi
                          ? "the whole file was read in the ANSI code page instead"
                          : "it was read as U+FFFD"));
}

}  // namespace

std::optional<std::vector<std::string>> ReadMenuFile(const std::string& path,
                                                     platform::MenuHandle RootMenu,
                                                     MenuFileContext& context) {
    auto& platform = context.platform;
    if (!platform.files.IsOrdinaryFile(path)) {
        platform.ShowError(context.noMenuFileText);
        return std::nullopt;
    }
    std::string text;
    if (const auto bytes = platform.files.sReadWholeFile(path)) {
        auto content = DecodeText(*bytes, platform.ansi);
        CheckEncoding(*bytes, content.encoding, context.problems);
        text = std::move(content.text) + "\r\n";
    }

    auto MenuLines = SplitLines(text);
    Parse parse(context, RootMenu);
    CommandId id = 0;
    for (const auto& line : MenuLines) {
        // Identifiers stop growing where a command identifier ends; such lines are grayed anyway.
        if (id < INT32_MAX) ++id;
        parse.Line(line, id);
    }
    parse.End();
    context.problems.SortByLine();
    return MenuLines;
}

}  // namespace kov
