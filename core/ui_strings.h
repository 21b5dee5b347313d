// The 32 translatable texts the program shows, with their English defaults.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace kov {

struct UIStrings {
    std::string sOK;
    std::string sABOUT;
    std::string sSETTINGS;
    std::string sEXIT;
    std::string sHELP;
    std::string sNOMENUFILEWASFOUND;
    std::string sCREATENEWFILE;
    std::string sTHEFILE;
    std::string sWASNOTFOUND;
    std::string sVERSION;
    std::string sBUILD;
    std::string sBY;
    std::string sCLIPBOARDERROR;
    std::string sINFORMATION;
    std::string sINFOTEXT;
    std::string sGUI;
    std::string sTRANSLATION;
    std::string sCREATENEW;
    std::string sSAVE;
    std::string sEDITTHEMENU;
    std::string sNEWFILECREATED;
    std::string sOVERWRITEFILE;
    std::string sBACKGROUND;
    std::string sSELECTEDITEM;
    std::string sUNKNOWNSPECIALCOMMAND;
    std::string sLANGUAGEFILECHANGED;
    std::string sEXITPROGRAM;
    std::string sAPPENDERROR;
    std::string sNOHELPFILEWASFOUND;
    std::string sPROBLEMS;
    std::string sCLOSE;
    std::string sNOENTRIESFROMTHEPROGRAM;
};

struct UIStringEntry {
    std::string UIStrings::*field;
    // The English default; sINFOTEXT's is this text after the program file name and a blank.
    std::string_view englishDefault;
};

// In the order a translation template lists them.
extern const std::array<UIStringEntry, 32> kUIStringTable;

// The English defaults; programFileName starts the information text.
UIStrings DefaultUIStrings(std::string_view programFileName);

}  // namespace kov
