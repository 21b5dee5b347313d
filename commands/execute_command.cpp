#include "commands/execute_command.h"

#include <array>

#include "commands/clipboard_commands.h"
#include "commands/close_windows.h"
#include "commands/command_field.h"
#include "commands/icon_target.h"
#include "commands/shell_launching.h"
#include "core/text.h"
#include "menufile/date_format.h"
#include "menufile/text_helpers.h"

namespace kov {

namespace {

namespace mb = platform::message_box;

class Dispatch {
  public:
    explicit Dispatch(CommandContext& context)
        : c_(context),
          launcher_(context.platform, context.strings, context.numbers),
          clipboard_(context.platform, context.strings, context.expander) {}

    AfterCommand Run(CommandId id) {
        modifier_ = id > 0 ? c_.modifier : ChoiceModifier::None;
        if (id == CMD_SETTINGS) return AfterCommand::KeepMainWindowOpen;
        if (id == CMD_ABOUT) return AfterCommand::ShowAbout;
        if (id == CMD_PROBLEMS) return AfterCommand::ShowProblems;
        if (id == CMD_EDIT) {
            EditTheMenu();
        } else if (id == CMD_HELP) {
            Help();
        } else if (id >= 1 && id <= kLastLineItemId) {
            ItemLine(static_cast<std::size_t>(id - 1));
        } else if (id > kLastLineItemId) {
            FolderEntry(static_cast<std::size_t>(id - kLastLineItemId));
        }
        return AfterCommand::CloseMainWindow;
    }

  private:
    std::string Expand(std::string_view text, bool urlFlag = false) {
        return c_.expander.sExpandString(text, urlFlag);
    }

    void RunProgram(const CommandField& field) {
        const auto program = Expand(field.Program);
        if (OpenedInPlace(program)) return;
        const auto parameters = Expand(field.Parameters);
        const auto workingFolder = Expand(field.WorkingFolder);
        const auto windowState = sCheckWindowState(field.WindowState, c_.numbers);
        if (modifier_ == ChoiceModifier::RunAsAdministrator) {
            launcher_.RunAsAdministrator(program, parameters, workingFolder, windowState);
        } else {
            launcher_.RunCommand(program, parameters, workingFolder, windowState);
        }
    }

    void EditTheMenu() {
        if (c_.settings.MenuEditor.empty()) {
            launcher_.RunCommand(c_.sMenuFile, "", "", "1");
            return;
        }
        const auto editor = ReplaceAll(c_.settings.MenuEditor, kMenuFilePlaceholder, c_.sMenuFile);
        RunProgram(SplitCommandField(editor, c_.settings.ParameterDelimiter));
    }

    void Help() {
        const auto& identity = c_.platform.identity;
        for (const char* extension : {".txt", ".html", ".hlp", ".lnk"}) {
            const auto file = InFolder(identity.folder, identity.fileName + extension);
            if (c_.platform.files.FileExists(file)) {
                launcher_.RunCommand(file, "", identity.folder, "1");
                return;
            }
        }
        c_.platform.messages.MessageBox(c_.strings.sNOHELPFILEWASFOUND, identity.fileName,
                                        mb::kOk | mb::kIconInformation);
    }

    void FolderEntry(std::size_t index) {
        if (index >= c_.FolderItemPaths.size()) return;
        const auto& path = c_.FolderItemPaths[index];
        if (modifier_ == ChoiceModifier::ShowInFolder) return launcher_.ShowInFolder(path);
        if (OpenedInPlace(path)) return;
        if (modifier_ == ChoiceModifier::RunAsAdministrator) {
            return launcher_.RunAsAdministrator(path, "", "", "1");
        }
        launcher_.RunCommand(path, "", "", "1");
    }

    bool OpenedInPlace(const std::string& path) {
        return c_.where != nullptr && c_.where->OpenFolderHere(path, c_.settings.FoldersInPlace);
    }

    void ItemLine(std::size_t index) {
        if (index >= c_.MenuLines.size()) return;
        if (modifier_ == ChoiceModifier::ShowInFolder) {
            IconTargets targets(c_.settings, c_.expander, c_.platform.folders);
            const auto target = targets.TargetOfLine(c_.MenuLines[index]);
            if (target && !target->url) launcher_.ShowInFolder(target->path);
            return;
        }
        const auto line = sTrimBlanks(TrimSpaces(c_.MenuLines[index]));
        const auto fields = SplitText(line, c_.settings.ItemDelimiter);
        for (std::size_t i = 1; i < fields.size(); ++i) {
            // An empty field has no program to run.
            if (!fields[i].empty()) RunCommandField(fields[i]);
        }
    }

    void RunCommandField(std::string_view text) {
        const auto field = SplitCommandField(text, c_.settings.ParameterDelimiter);
        const auto& program = field.Program;
        if (program.starts_with(kBrokenBar)) {
            SpecialCommand(field);
        } else if (IsUrl(program)) {
            launcher_.OpenURL(Expand(program, true));
        } else {
            RunProgram(field);
        }
    }

    void SpecialCommand(const CommandField& field) {
        switch (PlaceholderLetter(field.Program)) {
            case U'p': {
                // PrintFile prints a text holding "¦s" with the clipboard text in it, so that
                // placeholder must reach it.
                const auto document = c_.expander.ExpandAllButClipboardText(field.Parameters);
                launcher_.PrintFile(document, Expand(field.WorkingFolder));
                return;
            }
            case U'c':
                return clipboard_.ClipboardSetFileContents(field.Parameters);
            case U'x':
                return CloseWindows(field.Parameters, c_.platform.windows);
            case U's':
                return clipboard_.ClipboardSetText(Expand(field.Parameters));
            case U'a':
                return Append(field);
            default:
                c_.platform.ShowError(c_.strings.sUNKNOWNSPECIALCOMMAND + "\r\n'" + field.Program +
                                      "'");
        }
    }

    void Append(const CommandField& field) {
        const auto file = Expand(std::string_view(field.Program).substr(kBrokenBar.size() + 1));
        auto& clipboard = c_.platform.clipboard;
        // The menu's own "\n" and "\t" are line breaks and tabs; the clipboard's text and
        // names go in as they are.
        const auto own = sUnescape(sReplaceDate(field.Parameters, c_.expander.clock()));
        std::string text = own;
        if (ContainsNoCase(own, kClipboardTextPlaceholder)) {
            text = ReplaceAllNoCase(own, kClipboardTextPlaceholder, ClipboardGetText(clipboard));
        } else if (ContainsNoCase(own, kClipboardFilesPlaceholder)) {
            text = ReplaceAllNoCase(own, kClipboardFilesPlaceholder,
                                    ClipboardGetFiles(clipboard, c_.settings));
        }
        launcher_.AppendToFile(file, text);
    }

    CommandContext& c_;
    ChoiceModifier modifier_ = ChoiceModifier::None;
    ShellLauncher launcher_;
    ClipboardWriter clipboard_;
};

}  // namespace

AfterCommand ExecuteCommand(CommandId id, CommandContext& context) {
    return Dispatch(context).Run(id);
}

std::string sCheckWindowState(std::string_view text, const NumberFormat& numbers) {
    return ReadWindowState(text, numbers) ? std::string(text) : std::string("1");
}

}  // namespace kov
