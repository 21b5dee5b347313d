#include "menufile/menu_builder.h"

#include <algorithm>
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

// Problems of one file read into the menu, at its own line numbers.
struct FileProblems {
    MenuProblems& problems;
    const std::string& file;
    int firstOrder;  // the reading order of the file's line 1

    void Add(int line, std::string message) {
        problems.Add({file, line, firstOrder + line - 1}, std::move(message));
    }
};

// The line, counted from 1, that a text continues.
int LineAfter(std::string_view before) {
    return static_cast<int>(1 + SplitLines(before).size() - (before.empty() ? 0 : 1));
}

// A UTF-16 file reads an unpaired surrogate as U+FFFD.
void CheckUtf16(std::string_view bytes, bool bigEndian, FileProblems problems) {
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
// Without the mark, a file is taken for UTF-8 spoilt by a few stray bytes only when that is what
// it plainly is: at least three valid multi-byte sequences, holding at least 8 of every 9
// non-ASCII bytes. Text in double-byte and Cyrillic code pages (and a German sharp s before a
// closing quote in Windows-1252) forms a valid pair here and there, but never most of its bytes.
void CheckEncoding(std::string_view bytes, TextEncoding encoding, FileProblems problems) {
    if (encoding == TextEncoding::Utf16Le || encoding == TextEncoding::Utf16Be) {
        return CheckUtf16(bytes.substr(2), encoding == TextEncoding::Utf16Be, problems);
    }
    if (encoding != TextEncoding::Ansi && encoding != TextEncoding::Utf8WithMark) return;
    constexpr std::size_t kFewestSequences = 3, kValidPerInvalid = 8;
    std::size_t firstInvalid = std::string_view::npos, invalid = 0, sequences = 0, inSequences = 0;
    for (std::size_t at = 0; at < bytes.size();) {
        if (static_cast<unsigned char>(bytes[at]) < 0x80) {
            ++at;
            continue;
        }
        const auto point = DecodeUtf8At(bytes, at);
        if (point.length == 1) {
            if (invalid++ == 0) firstInvalid = at;
        } else {
            ++sequences;
            inSequences += point.length;
        }
        at += point.length;
    }
    if (invalid == 0 ||
        (encoding == TextEncoding::Ansi &&
         (sequences < kFewestSequences || inSequences < kValidPerInvalid * invalid))) {
        return;
    }
    problems.Add(LineAfter(bytes.substr(0, firstInvalid)),
                 "byte " + EscapedByte(static_cast<unsigned char>(bytes[firstInvalid])) +
                     " is not UTF-8; " +
                     (encoding == TextEncoding::Ansi
                          ? "the whole file was read in the ANSI code page instead"
                          : "it was read as U+FFFD"));
}

// Deeper than this, an include is a problem: nothing sensible nests so deep, and a file met again
// under another spelling of its path still ends.
constexpr std::size_t kMaxIncludeLevels = 8;

class Parse {
  public:
    // writer is the "¦o" line whose program's output is read; nullptr for the menu file.
    Parse(MenuFileContext& context, platform::MenuHandle root, std::vector<std::string>& lines,
          const Generator* writer = nullptr)
        : context_(context),
          menus_(context.platform.menus),
          sections_(context.platform.front, context.everySection),
          lines_(lines),
          menuStack_{root},
          generatorLevel_(writer ? writer->level : 0),
          // The output has no settings lines; its "¦o" lines take the deadline of the one above.
          writerTimeout_(writer ? writer->timeout : 0) {}

    // Reads a file's bytes in their own encoding: file is "" for the menu file, an included
    // file's path otherwise.
    void File(std::string_view bytes, const std::string& file) {
        auto content = DecodeText(bytes, context_.platform.ansi);
        CheckEncoding(bytes, content.encoding, FileProblems{context_.problems, file, NextId()});
        if (file.empty()) {
            content.text += "\r\n";
            return Lines(SplitLines(content.text), file);
        }
        auto read = SplitLinesWithinLimits(content.text);
        if (read.cut) {
            Problem("only the first " + std::to_string(kMaxReadLines) + " lines and " +
                    std::to_string(kMaxReadBytes >> 20) + " MiB of " + Quote(file) + " are read");
        }
        Lines(std::move(read.lines), file);
    }

    // A program's output: no file, no settings, no includes, and nothing checked on disk. False
    // when it gave no entry.
    bool Generated(std::vector<std::string> lines) {
        Lines(std::move(lines), "");
        return appended_ > 0;
    }

    // Submenus still open when the menu ends, each at the line that opened it.
    void End() {
        for (auto& opened : openedAt_) {
            context_.problems.Add(std::move(opened), "[ is never closed by ]");
        }
    }

    // The files being read, outermost first, by a key that ignores letter case.
    std::vector<std::string> reading;

  private:
    // One identifier per line read, whatever file it is in; they stop growing where a command
    // identifier ends, and such lines are grayed anyway.
    CommandId NextId() const {
        return static_cast<CommandId>(std::min<std::size_t>(lines_.size() + 1, INT32_MAX));
    }

    void Lines(std::vector<std::string> lines, const std::string& file) {
        origin_.file = file;
        lines_.reserve(lines_.size() + lines.size());
        int number = 0;
        for (auto& line : lines) {
            const auto id = NextId();
            lines_.push_back(std::move(line));
            origin_.line = ++number;
            origin_.order = id;
            // Read at once, before an included file's lines are appended behind it.
            Line(lines_.back(), id);
        }
    }

    void Line(std::string_view raw, CommandId id) {
        if (level_ < 0) level_ = 0;
        const std::string line = sTrimBlanks(TrimSpaces(raw));
        // A program's output has no settings, so no sections either.
        if (line.empty() ||
            (generatorLevel_ == 0 && !sections_.Keeps(line, origin_, context_.problems))) {
            return;
        }
        const auto& settings = context_.settings;
        switch (line[0]) {
            case '@':
                if (generatorLevel_ > 0) return;
                if (auto path = SettingValue(line, "@Include")) return Include(*path);
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
        } else if (marker == U'o') {
            AppendGeneratorMenu(SplitText(std::string_view(line).substr(kMarkerLength),
                                          settings.ParameterDelimiter));
        } else {
            const auto fields = SplitText(line, settings.ItemDelimiter);
            AppendItem(mf::kString, id, fields[0]);
            if (generatorLevel_ == 0) CheckCommands(fields, id);
        }
    }

    // The included file's lines are read here, as if written in place of this one.
    void Include(std::string_view value) {
        const auto path = context_.settingsContext.expander.sExpandString(TrimSpaces(value), false);
        auto& files = context_.platform.files;
        // A file search takes "*" and "?" as patterns, but such a path names no one file.
        if (path.find_first_of("*?") != std::string::npos || !files.IsOrdinaryFile(path)) {
            return Problem("include file not found: " + Quote(path));
        }
        auto key = FoldCase(path);
        if (std::ranges::find(reading, key) != reading.end()) {
            return Problem("include file " + Quote(path) + " includes itself; skipped");
        }
        if (reading.size() > kMaxIncludeLevels) {
            return Problem("includes nest more than " + std::to_string(kMaxIncludeLevels) +
                           " levels deep; " + Quote(path) + " is skipped");
        }
        std::string whyNot;
        const auto bytes = files.sReadWholeFile(path, &whyNot);
        if (!bytes)
            return Problem("include file cannot be read: " + Quote(path) + " (" + whyNot + ")");
        const auto includedAt = origin_;
        reading.push_back(std::move(key));
        File(*bytes, path);
        reading.pop_back();
        origin_ = includedAt;
    }

  private:
    void Problem(std::string message) { context_.problems.Add(origin_, std::move(message)); }

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

    // Started as a command line when it is no file: "C:\x\a.exe /y" runs a.exe. The text before
    // each run of blanks is tried, as the system tries it (trailing blanks of a name do not
    // count), but only the first few: a line of thousands of blanks must not cost thousands of
    // looks at the disk, and what is not looked at is not called missing.
    bool ProgramExists(const std::string& path) {
        constexpr int kMostPrefixes = 16;
        auto& files = context_.platform.files;
        if (files.ExistsOnLocalDrive(path).value_or(true)) return true;
        int tried = 0;
        for (auto blank = path.find(' '); blank != std::string::npos;
             blank = path.find(' ', path.find_first_not_of(' ', blank))) {
            if (++tried > kMostPrefixes) return true;
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
        ++appended_;
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

    // The program runs when the submenu opens; here only its form and its file are checked.
    void AppendGeneratorMenu(const std::vector<std::string>& parts) {
        if (parts.empty() || generatorLevel_ >= kMaxGeneratorLevels) return;
        const auto sub = AppendSubmenu(Dated(parts[0]));
        const auto part = [&parts](std::size_t n) { return n < parts.size() ? parts[n] : ""; };
        if (generatorLevel_ == 0) {
            if (part(1).empty()) {
                Problem("no program after the caption " + Quote(parts[0]));
            } else {
                CheckProgram(part(1));
            }
        }
        const auto timeout =
            generatorLevel_ == 0 ? context_.settings.GeneratorTimeout : writerTimeout_;
        context_.generatorMenus.Add(sub, {part(1), part(2), part(3), generatorLevel_ + 1, timeout});
    }

    void OpenSubmenu(std::string_view text) {
        const auto sub = AppendSubmenu(text);
        menuStack_.push_back(sub);
        openedAt_.push_back(origin_);
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
    std::vector<std::string>& lines_;
    std::vector<platform::MenuHandle> menuStack_;
    int level_ = 0;
    int generatorLevel_;
    unsigned writerTimeout_;
    std::size_t appended_ = 0;
    LineOrigin origin_;
    std::vector<LineOrigin> openedAt_;
};

}  // namespace

std::optional<std::vector<std::string>> ReadMenuFile(const std::string& path,
                                                     platform::MenuHandle RootMenu,
                                                     MenuFileContext& context) {
    auto& platform = context.platform;
    if (!platform.files.IsOrdinaryFile(path)) {
        platform.ShowError(context.noMenuFileText);
        return std::nullopt;
    }
    std::string whyNot;
    const auto bytes = platform.files.sReadWholeFile(path, &whyNot);
    if (!bytes) {
        context.unreadReason = std::move(whyNot);
        return std::nullopt;
    }
    std::vector<std::string> MenuLines;
    Parse parse(context, RootMenu, MenuLines);
    parse.reading.push_back(FoldCase(path));
    parse.File(*bytes, "");
    parse.End();
    return MenuLines;
}

bool FillGeneratorMenu(platform::MenuHandle menu, std::vector<std::string>& MenuLines,
                       MenuFileContext& context, std::string_view noEntries) {
    auto generator = context.generatorMenus.TakeOnOpen(menu);
    if (!generator) return false;
    auto& expander = context.settingsContext.expander;
    auto& menus = context.platform.menus;
    std::optional<ReadLines> read;
    if (!generator->program.empty()) {
        const platform::ProgramRun run{
            GeneratorCommandLine(expander.sExpandString(generator->program, false),
                                 expander.sExpandString(generator->parameters, false)),
            expander.sExpandString(generator->workingFolder, false), generator->timeout,
            kMaxReadBytes};
        const auto output = context.platform.runner.RunForOutput(run);
        if (output.end == platform::ProgramOutput::End::Cancelled) {
            // The user left before it ended: it runs again when the submenu is opened again. An
            // empty submenu would not be shown, and Escape would then close the whole menu.
            if (!generator->leftBefore) menus.AppendMenu(menu, mf::kGrayed, 0, "...");
            generator->leftBefore = true;
            context.generatorMenus.Add(menu, std::move(*generator));
            return true;
        }
        if (generator->leftBefore) menus.RemoveMenu(menu, 0, mf::kByPosition | mf::kRemove);
        read = GeneratedLines(output);
    }
    bool any = false;
    if (read) {
        // No file line to report a problem at; what is wrong shows in the submenu as it is.
        MenuProblems unreported;
        MenuFileContext quiet{context.platform,
                              context.settings,
                              context.settingsContext,
                              context.noMenuFileText,
                              context.folderMenus,
                              context.generatorMenus,
                              unreported};
        any = Parse(quiet, menu, MenuLines, &*generator).Generated(std::move(read->lines));
        if (read->cut) menus.AppendMenu(menu, mf::kGrayed, 0, "...");
    }
    if (!any) menus.AppendMenu(menu, mf::kGrayed, 0, noEntries);
    return true;
}

}  // namespace kov
