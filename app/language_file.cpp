#include "app/language_file.h"

#include <iterator>
#include <tuple>

#include "core/text.h"
#include "core/text_encoding.h"
#include "menufile/text_helpers.h"

namespace kov {

namespace {

// The order in which a line's key is tried against the strings.
constexpr std::string UIStrings::*kMatchOrder[] = {
    &UIStrings::sOK,
    &UIStrings::sABOUT,
    &UIStrings::sSETTINGS,
    &UIStrings::sEXIT,
    &UIStrings::sHELP,
    &UIStrings::sNEWFILECREATED,
    &UIStrings::sOVERWRITEFILE,
    &UIStrings::sEDITTHEMENU,
    &UIStrings::sNOMENUFILEWASFOUND,
    &UIStrings::sCREATENEWFILE,
    &UIStrings::sTHEFILE,
    &UIStrings::sWASNOTFOUND,
    &UIStrings::sVERSION,
    &UIStrings::sBUILD,
    &UIStrings::sBY,
    &UIStrings::sCLIPBOARDERROR,
    &UIStrings::sAPPENDERROR,
    &UIStrings::sINFORMATION,
    &UIStrings::sINFOTEXT,
    &UIStrings::sGUI,
    &UIStrings::sTRANSLATION,
    &UIStrings::sSAVE,
    &UIStrings::sCREATENEW,
    &UIStrings::sBACKGROUND,
    &UIStrings::sSELECTEDITEM,
    &UIStrings::sUNKNOWNSPECIALCOMMAND,
    &UIStrings::sLANGUAGEFILECHANGED,
    &UIStrings::sEXITPROGRAM,
    &UIStrings::sNOHELPFILEWASFOUND,
    &UIStrings::sPROBLEMS,
    &UIStrings::sCLOSE,
    &UIStrings::sNOENTRIESFROMTHEPROGRAM,
};

static_assert(std::size(kMatchOrder) == std::tuple_size_v<decltype(kUIStringTable)>);

void Translate(const std::string& line, UIStrings& strings) {
    for (auto field : kMatchOrder) {
        std::string& value = strings.*field;
        const std::size_t keyLength = value.size();
        if (line.size() > keyLength && line[keyLength] == '=' && StartsWithNoCase(line, value)) {
            value = line.substr(keyLength + 1);
            return;
        }
    }
}

}  // namespace

std::vector<std::string> ListedLines(std::string_view text) {
    std::vector<std::string> listed;
    for (const auto& raw : SplitLines(text)) {
        const std::string line = TrimSpaces(raw);
        const auto equals = line.find('=');
        if (equals == std::string::npos || equals == 0) continue;
        listed.push_back(sTrimBlanks(line));
    }
    return listed;
}

std::vector<std::string> ApplyLanguageFile(std::string_view text, UIStrings& strings) {
    auto listed = ListedLines(text);
    for (const auto& line : listed) Translate(line, strings);
    return listed;
}

std::string TranslationOf(std::string_view entry) {
    const auto equals = entry.find('=');
    return std::string(equals == std::string_view::npos ? entry : entry.substr(equals + 1));
}

}  // namespace kov
