#include "menufile/menu_builder.h"

#include <cstdint>

#include "core/command_ids.h"
#include "core/text.h"
#include "menufile/date_format.h"
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
        : context_(context), menus_(context.platform.menus), menuStack_{root} {}

    void Line(std::string_view raw, CommandId id) {
        if (level_ < 0) level_ = 0;
        const std::string line = sTrimBlanks(TrimSpaces(raw));
        if (line.empty()) return;
        const auto& settings = context_.settings;
        switch (line[0]) {
            case '@':
                ApplySettingsLine(line, context_.settings, context_.settingsContext);
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
        }
    }

  private:
    platform::MenuHandle Current() const { return menuStack_[static_cast<std::size_t>(level_)]; }

    void Append(unsigned flags, std::uintptr_t idOrSubmenu, std::string_view text) {
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
        context_.folderMenus.BuildFolderMenu(
            context_.settingsContext.expander.sExpandString(parts[1], false),
            parts.size() > 2 ? parts[2] : std::string(),
            parts.size() > 3 ? parts[3] : std::string(), sub);
    }

    void OpenSubmenu(std::string_view text) {
        const auto sub = AppendSubmenu(text);
        menuStack_.push_back(sub);
        ++level_;
    }

    void CloseSubmenu() {
        --level_;
        if (menuStack_.size() > 1) menuStack_.pop_back();
    }

    MenuFileContext& context_;
    platform::Menus& menus_;
    std::vector<platform::MenuHandle> menuStack_;
    int level_ = 0;
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
    std::string text;
    if (auto content = ReadTextFile(platform.files, platform.ansi, path)) {
        text = std::move(content->text) + "\r\n";
    }

    auto MenuLines = SplitLines(text);
    Parse parse(context, RootMenu);
    CommandId id = 0;
    for (const auto& line : MenuLines) {
        // Identifiers stop growing where a command identifier ends; such lines are grayed anyway.
        if (id < INT32_MAX) ++id;
        parse.Line(line, id);
    }
    return MenuLines;
}

}  // namespace kov
