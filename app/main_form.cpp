#include "app/main_form.h"

#include "app/default_menu_file.h"
#include "app/program_menu.h"
#include "menufile/ansi_text.h"
#include "menufile/menu_builder.h"
#include "odmenu/menu_font.h"
#include "odmenu/od_menu_tables.h"

namespace kov {

namespace mb = platform::message_box;

MainForm::MainForm(platform::Platform& platform, platform::MainWindow& window, NumberFormat numbers)
    : platform_(platform),
      window_(window),
      numbers_(numbers),
      expander_(platform.environment, platform.identity.folder),
      strings_(DefaultUIStrings(platform.identity.fileName)) {}

void MainForm::FormLoad(const std::string& commandLine) {
    const auto& identity = platform_.identity;
    window_.SetCaption(identity.fileName);
    sMenuFile = identity.folder + "\\" + identity.fileName + ".mnu";
    settings_.NoIcons = false;
    AdoptSystemMenuFont(settings_.font, window_.SystemMenuFont());
    SetDefaults(settings_, numbers_);
    auto skins = window_.DesignSkinPictures();
    settings_.SkinBackground = std::move(skins.background);
    settings_.SkinBGSelected = std::move(skins.selected);
    strings_ = DefaultUIStrings(identity.fileName);
    platform_.ownerDraw.HookODMenu({settings_, customIcons_, menuFont_});

    auto& menus = platform_.menus;
    RootMenu = menus.CreatePopupMenu();
    ProgramMenu = menus.CreatePopupMenu();
    menus.AppendMenu(RootMenu, platform::menu_flags::kPopup, ProgramMenu, identity.fileName);

    if (const auto argument = TrimSpaces(commandLine); !argument.empty()) {
        const auto path = expander_.sExpandString(argument, false);
        if (platform_.files.IsOrdinaryFile(path)) sMenuFile = path;
    }
    if (!platform_.files.IsOrdinaryFile(sMenuFile) && !OfferDefaultMenuFile()) {
        window_.Close();
        return;
    }

    SettingsContext settingsContext{numbers_, expander_};
    MenuFileContext context{platform_, settings_, settingsContext, strings_.sNOMENUFILEWASFOUND};
    if (auto lines = ReadMenuFile(sMenuFile, RootMenu, context)) {
        MenuLines = std::move(*lines);
        menuFont_ = settings_.font;
    }

    if (settings_.NoProgramMenu) {
        menus.RemoveMenu(RootMenu, 0,
                         platform::menu_flags::kByPosition | platform::menu_flags::kRemove);
    } else {
        FillProgramMenu(menus, ProgramMenu, settings_, strings_);
    }
    AddProgramImages();
    if (settings_.UseSkin) {
        platform_.ownerDraw.SetSkinPictures(settings_.SkinBackground, settings_.SkinBGSelected);
    }
    bLanguageChanged = false;

    chosen_ = CommandFromMenuItemId(window_.PopUpAtCursor(RootMenu));
    ExecuteCommand(*chosen_);
}

bool MainForm::OfferDefaultMenuFile() {
    const auto answer =
        platform_.messages.MessageBox(strings_.sNOMENUFILEWASFOUND + " " + strings_.sCREATENEWFILE,
                                      platform_.identity.fileName, mb::kYesNo);
    if (answer != mb::kAnswerYes) return false;
    // A sample that cannot be written leaves the reading below to report the missing file.
    WriteDefaultMenuFile(platform_.files, platform_.identity, sMenuFile, settings_.font);
    return true;
}

void MainForm::AddProgramImages() {
    const ProgramMenuCaptions captions{strings_.sSETTINGS, strings_.sEDITTHEMENU, strings_.sABOUT,
                                       strings_.sHELP, strings_.sEXIT};
    // A caption that repeats an earlier key keeps the earlier picture.
    for (const auto& entry : ProgramImageEntries(platform_.identity.fileName, captions)) {
        platform_.ownerDraw.AddImage(entry.key, entry.images);
    }
}

void MainForm::ExecuteCommand(CommandId /*id*/) {
    window_.Close();
}

bool MainForm::FormUnload() {
    platform_.ownerDraw.UnhookODMenu();
    platform_.menus.DestroyMenu(RootMenu);
    platform_.menus.DestroyMenu(ProgramMenu);
    return true;
}

}  // namespace kov
