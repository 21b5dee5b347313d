#include "app/main_form.h"

#include "app/command_line.h"
#include "app/default_menu_file.h"
#include "app/language_file.h"
#include "app/program_menu.h"
#include "commands/execute_command.h"
#include "core/text.h"
#include "menufile/menu_builder.h"
#include "menufile/text_helpers.h"
#include "odmenu/menu_font.h"
#include "odmenu/od_menu_tables.h"

namespace kov {

namespace mb = platform::message_box;

MainForm::MainForm(platform::Platform& platform, OwnerDrawHook& ownerDraw,
                   platform::MainWindow& window, NumberFormat numbers)
    : platform_(platform),
      ownerDraw_(ownerDraw),
      window_(window),
      numbers_(numbers),
      expander_(platform.environment, platform.identity.folder, platform.clipboard, platform.clock,
                settings_, &where_),
      strings_(DefaultUIStrings(platform.identity.fileName)) {}

void MainForm::FormLoad(const std::string& commandLine) {
    const auto& identity = platform_.identity;
    sMenuFile = DefaultMenuFilePath(identity);
    settings_.NoIcons = false;
    AdoptSystemMenuFont(settings_.font, window_.SystemMenuFont());
    SetDefaults(settings_, numbers_);
    auto skins = window_.DesignSkinPictures();
    settings_.SkinBackground = std::move(skins.background);
    settings_.SkinBGSelected = std::move(skins.selected);
    strings_ = DefaultUIStrings(identity.fileName);
    ownerDraw_.HookODMenu({settings_, customIcons_, menuFont_, colors_, this});

    auto& menus = platform_.menus;
    RootMenu = menus.CreatePopupMenu();
    ProgramMenu = menus.CreatePopupMenu();
    menus.AppendMenu(RootMenu, platform::menu_flags::kPopup, ProgramMenu, identity.fileName);

    if (const auto argument = MenuFileArgument(commandLine); !argument.empty()) {
        const auto path = expander_.sExpandString(argument, false);
        if (NamesOneFile(platform_.files, path)) sMenuFile = path;
    }
    bool readMenuFile = true;
    if (!platform_.files.IsOrdinaryFile(sMenuFile)) {
        const auto sample = OfferDefaultMenuFile();
        if (sample == Sample::Declined) {
            window_.Close();
            return;
        }
        // A sample that could not be written was reported as such, not as a missing file; what
        // part of it was written still shows.
        readMenuFile = sample == Sample::Written || platform_.files.IsOrdinaryFile(sMenuFile);
    }

    auto context = MenuFileContextOfRun();
    if (auto lines = readMenuFile ? ReadMenuFile(sMenuFile, RootMenu, context) : std::nullopt) {
        MenuLines = std::move(*lines);
        menuFont_ = settings_.font;
    } else if (context.unreadReason) {
        platform_.ShowError(CouldNotBeRead(sMenuFile));
    }
    LoadLanguageFile();
    // Editing is off then, and the window says why.
    const auto unread =
        LanguageFileUnread() ? "\r\n\r\n" + CouldNotBeRead(settings_.LanguageFile) : std::string();
    window_.SetSettingsContent({strings_.sINFORMATION, strings_.sINFOTEXT + unread,
                                strings_.sTRANSLATION, strings_.sSAVE, strings_.sCREATENEW},
                               *this);

    if (settings_.NoProgramMenu) {
        menus.RemoveMenu(RootMenu, 0,
                         platform::menu_flags::kByPosition | platform::menu_flags::kRemove);
    } else {
        FillProgramMenu(menus, ProgramMenu, settings_, strings_, problems_.Count());
    }
    AddProgramImages();
    colors_ = DecideMenuColors(settings_, platform_.look);
    if (colors_.skins) {
        ownerDraw_.SetSkinPictures(settings_.SkinBackground, settings_.SkinBGSelected);
    }
    if (colors_.darkMenus) ownerDraw_.UseDarkMenus();
    editor_.bLanguageChanged = false;
    window_.HookSystemMenu(strings_.sABOUT);

    auto fromPopup = window_.PopUpAtCursor(RootMenu);
    // Where the system closed the popup with the shell's context menu, the user is still choosing.
    while (fromPopup == 0 && ownerDraw_.PopupClosedWithShellMenu()) {
        fromPopup = window_.PopUpAgain(RootMenu);
    }
    chosen_ = CommandFromMenuItemId(fromPopup);
    choiceModifier_ = ownerDraw_.ModifierOfChoice();
    ExecuteCommand(*chosen_);
}

MainForm::Sample MainForm::OfferDefaultMenuFile() {
    const auto answer =
        platform_.messages.MessageBox(strings_.sNOMENUFILEWASFOUND + " " + strings_.sCREATENEWFILE,
                                      platform_.identity.fileName, mb::kYesNo);
    if (answer != mb::kAnswerYes) return Sample::Declined;
    if (WriteDefaultMenuFile(platform_.files, platform_.identity, platform_.ansi, sMenuFile,
                             settings_.font)) {
        return Sample::Written;
    }
    ShowFileError(sMenuFile);
    return Sample::NotWritten;
}

void MainForm::LoadLanguageFile() {
    const auto& path = settings_.LanguageFile;
    if (path.empty() || !platform_.files.IsOrdinaryFile(path)) {
        editingEnabled_ = false;
        return;
    }
    if (const auto file = ReadTextFile(platform_.files, platform_.ansi, path)) {
        languageRead_ = true;
        languageEncoding_ = file->encoding;
        editor_.SetEntries(ApplyLanguageFile(file->text, strings_));
    } else {
        editingEnabled_ = false;
    }
}

bool MainForm::LanguageFileUnread() {
    return !languageRead_ && platform_.files.FileExists(settings_.LanguageFile);
}

std::string MainForm::CouldNotBeRead(const std::string& path) const {
    return strings_.sTHEFILE + " '" + path + "' could not be read.";
}

AfterCommand MainForm::Dispatch(CommandId id) {
    CommandContext context{platform_, settings_, MenuLines, FolderItemPaths, sMenuFile,
                           strings_,  numbers_,  expander_, &where_,         choiceModifier_};
    return kov::ExecuteCommand(id, context);
}

void MainForm::ExecuteCommand(CommandId id) {
    switch (Dispatch(id)) {
        case AfterCommand::KeepMainWindowOpen:
            return;
        case AfterCommand::ShowProblems:
            ShowProblems();
            window_.Hide();
            return;
        case AfterCommand::ShowAbout:
            ShowAbout(true);
            window_.Hide();
            return;
        case AfterCommand::CloseMainWindow:
            window_.Close();
    }
}

void MainForm::ShowAbout(bool exitProgram) {
    const auto version = window_.Version();
    platform::AboutTexts texts;
    texts.caption = sRemoveAmpAndDotDotDot(strings_.sABOUT) + " " + platform_.identity.fileName;
    texts.ok = strings_.sOK;
    texts.lines = "KOV (Kovamenu)\r\n" + strings_.sVERSION + " " + std::to_string(version.major) +
                  "." + std::to_string(version.minor) + " [" + strings_.sBUILD + " " +
                  std::to_string(version.revision) + "] \r\n" + strings_.sBY +
                  " the KOV developers, 2026";
    texts.exitProgram = exitProgram;
    window_.ShowAbout(texts);
}

void MainForm::ShowProblems() {
    std::string text;
    for (const auto& line : ProblemTexts(problems_, WindowLocation)) {
        text += (text.empty() ? "" : "\r\n") + line;
    }
    // The list stays open while the user edits, so that it can be read beside the file; where
    // the program submenu hides its edit entry, the list offers none either.
    std::function<void()> onEdit;
    if (!settings_.NoEdit) onEdit = [this] { Dispatch(CMD_EDIT); };
    window_.ShowProblems(
        {platform_.identity.fileName, text, strings_.sEDITTHEMENU, strings_.sCLOSE}, onEdit);
}

void MainForm::SystemMenuAbout() {
    ShowAbout(false);
}

std::string MainForm::lstTranslationStrings_Click(std::size_t index,
                                                  const std::string& textBoxText) {
    return editor_.Select(index, textBoxText);
}

std::string MainForm::ListToolTip(long itemFromPoint) const {
    return editor_.ListToolTip(itemFromPoint);
}

void MainForm::ShowFileError(const std::string& path) {
    platform_.ShowError(strings_.sTHEFILE + " '" + path + "' could not be written.");
}

void MainForm::cmdSave_Click(const std::string& textBoxText) {
    // What was not read cannot be written back: the list would replace a file it never held.
    if (LanguageFileUnread()) {
        platform_.ShowError(CouldNotBeRead(settings_.LanguageFile));
        return;
    }
    // Saved as it was read, unless that loses what the user typed.
    const auto content = EncodeTextKeepingEverything(editor_.ContentForSave(textBoxText),
                                                     languageEncoding_, platform_.ansi);
    // A failed save keeps the changed flag, so the exit question still guards the edits.
    if (!platform_.files.ReplaceFile(settings_.LanguageFile, content)) {
        ShowFileError(settings_.LanguageFile);
        return;
    }
    editor_.bLanguageChanged = false;
}

void MainForm::cmdCreateNew_Click() {
    const std::string path = InFolder(platform_.identity.folder, "Translation.lng");
    const auto& title = platform_.identity.fileName;
    if (platform_.files.IsOrdinaryFile(path) &&
        platform_.messages.MessageBox(strings_.sOVERWRITEFILE + " '" + path + "'", title,
                                      mb::kYesNo) == mb::kAnswerNo) {
        return;
    }
    if (!platform_.files.ReplaceFile(
            path,
            EncodeTextKeepingEverything(TranslationTemplate(strings_, platform_.identity.fileName),
                                        TextEncoding::Ansi, platform_.ansi))) {
        ShowFileError(path);
        return;
    }
    platform_.messages.MessageBox(strings_.sNEWFILECREATED + " '" + path + "'.", title,
                                  mb::kIconInformation);
    if (!editor_.Entries().empty() || LanguageFileUnread()) return;
    if (const auto file = ReadTextFile(platform_.files, platform_.ansi, path)) {
        languageEncoding_ = file->encoding;
        editor_.SetEntries(ListedLines(file->text));
    }
    editingEnabled_ = true;
}

void MainForm::AddProgramImages() {
    const auto problems =
        problems_.Count() == 0 ? std::string() : ProblemsCaption(strings_, problems_.Count());
    const ProgramMenuCaptions captions{strings_.sSETTINGS, strings_.sEDITTHEMENU, strings_.sABOUT,
                                       strings_.sHELP,     strings_.sEXIT,        problems};
    // A caption that repeats an earlier key keeps the earlier picture.
    for (const auto& entry : ProgramImageEntries(platform_.identity.fileName, captions)) {
        ownerDraw_.AddImage(entry.key, entry.images);
    }
}

MenuFileContext MainForm::MenuFileContextOfRun() {
    return {platform_,    settings_,       settingsContext_, strings_.sNOMENUFILEWASFOUND,
            folderMenus_, generatorMenus_, problems_};
}

void MainForm::InitMenuPopup(platform::MenuHandle menu) {
    if (folderMenus_.FillOnOpen(menu)) return;
    auto context = MenuFileContextOfRun();
    FillGeneratorMenu(menu, MenuLines, context, strings_.sNOENTRIESFROMTHEPROGRAM);
}

std::optional<IconTargets::CommandTarget> MainForm::TargetOf(std::int32_t itemId,
                                                             platform::MenuHandle submenu) {
    if (submenu != 0) {
        const auto* folder = folderMenus_.FolderOf(submenu);
        if (folder != nullptr) return IconTargets::CommandTarget{*folder};
    } else if (itemId >= 1 && itemId <= kLastLineItemId) {
        const auto index = static_cast<std::size_t>(itemId - 1);
        if (index < MenuLines.size()) return iconTargets_.TargetOfLine(MenuLines[index]);
    } else if (itemId > kLastLineItemId) {
        const auto index = static_cast<std::size_t>(itemId - kLastLineItemId);
        if (index < FolderItemPaths.size())
            return IconTargets::CommandTarget{FolderItemPaths[index]};
    }
    return std::nullopt;
}

std::optional<platform::ShellIconTarget> MainForm::ShellIconOf(std::int32_t itemId,
                                                               platform::MenuHandle submenu) {
    return iconTargets_.For(TargetOf(itemId, submenu));
}

std::optional<std::string> MainForm::ContextMenuTarget(std::int32_t itemId,
                                                       platform::MenuHandle submenu) {
    auto target = TargetOf(itemId, submenu);
    // Asked at the click: a file deleted since the popup opened offers nothing, and a network
    // path is not touched.
    if (!target || !platform_.files.ExistsOnLocalDrive(target->path).value_or(false)) {
        return std::nullopt;
    }
    return std::move(target->path);
}

bool MainForm::FormUnload() {
    window_.CloseAbout();
    editor_.CommitOnClose(window_.TranslationText());
    if (editor_.bLanguageChanged &&
        platform_.messages.MessageBox(strings_.sLANGUAGEFILECHANGED + " " + strings_.sEXITPROGRAM,
                                      platform_.identity.fileName, mb::kYesNo) == mb::kAnswerNo) {
        return false;
    }
    window_.UnhookSystemMenu();
    ownerDraw_.UnhookODMenu();
    // Destroying a menu destroys its submenus: the program submenu goes with the root unless it
    // was taken out of it.
    platform_.menus.DestroyMenu(RootMenu);
    if (settings_.NoProgramMenu) platform_.menus.DestroyMenu(ProgramMenu);
    return true;
}

}  // namespace kov
