#include "core/ui_strings.h"

namespace kov {

const std::array<UIStringEntry, 32> kUIStringTable = {{
    {&UIStrings::sOK, "OK"},
    {&UIStrings::sABOUT, "&About..."},
    {&UIStrings::sSETTINGS, "&Settings"},
    {&UIStrings::sEXIT, "E&xit"},
    {&UIStrings::sHELP, "&Help"},
    {&UIStrings::sNOMENUFILEWASFOUND, "No menu file was found."},
    {&UIStrings::sCREATENEWFILE, "Do you want to create a new file?"},
    {&UIStrings::sTHEFILE, "The file"},
    {&UIStrings::sWASNOTFOUND, "was not found!"},
    {&UIStrings::sVERSION, "Version"},
    {&UIStrings::sBUILD, "build"},
    {&UIStrings::sBY, "by"},
    {&UIStrings::sCLIPBOARDERROR, "Error when copying the data into the clipboard!"},
    {&UIStrings::sINFORMATION, "Information"},
    {&UIStrings::sINFOTEXT, "is a menu program."},
    {&UIStrings::sGUI, "GUI"},
    {&UIStrings::sTRANSLATION, "Translation"},
    {&UIStrings::sCREATENEW, "Create new"},
    {&UIStrings::sSAVE, "Save"},
    {&UIStrings::sEDITTHEMENU, "Edit the menu"},
    {&UIStrings::sNEWFILECREATED, "A new file is created with the name"},
    {&UIStrings::sOVERWRITEFILE, "The file already existed, do you want to overwrite it?"},
    {&UIStrings::sBACKGROUND, "Background"},
    {&UIStrings::sSELECTEDITEM, "Selected item"},
    {&UIStrings::sUNKNOWNSPECIALCOMMAND, "Unknown special command!"},
    {&UIStrings::sLANGUAGEFILECHANGED, "The language file may be changed."},
    {&UIStrings::sEXITPROGRAM, "Do you want to exit the program?"},
    {&UIStrings::sAPPENDERROR, "There was an error when trying to append a string to the file"},
    {&UIStrings::sNOHELPFILEWASFOUND, "No helpfile was found."},
    {&UIStrings::sPROBLEMS, "Problems"},
    {&UIStrings::sCLOSE, "Close"},
    {&UIStrings::sNOENTRIESFROMTHEPROGRAM, "No entries from the program"},
}};

UIStrings DefaultUIStrings(std::string_view programFileName) {
    UIStrings strings;
    for (const auto& entry : kUIStringTable) strings.*entry.field = entry.englishDefault;
    strings.sINFOTEXT = std::string(programFileName) + " " + strings.sINFOTEXT;
    return strings;
}

}  // namespace kov
