#include "app/language_file.h"

#include <gtest/gtest.h>

#include "app/translation_editor.h"

namespace kov {
namespace {

TEST(LanguageFile, TranslatesByCurrentValueFirstEntryWins) {
    UIStrings strings = DefaultUIStrings("KOV");
    const auto listed = ApplyLanguageFile(
        "ok=Okej\r\n"    // key case ignored
        "OK=Second\r\n"  // the first entry for a string wins
        "&Settings=&Inst\xE4llningar\r\n"
        "Save =Spara\r\n"          // the blank belongs to the key: no match
        "=starts with equals\r\n"  // not listed
        "no equals sign\r\n"       // not listed
        " \t E&xit=A=B \t \r\n"    // trimmed; the translation keeps its "="
        "KOV is a menu program.=KOV \xE4r ett menyprogram.\r\n"
        "is a menu program.=no match\r\n"
        "Unknown key=kept in the list\r\n"
        "Version= Version with blank\r\n",
        strings);
    EXPECT_EQ(strings.sOK, "Okej");
    EXPECT_EQ(strings.sSETTINGS, "&Inst\xE4llningar");
    EXPECT_EQ(strings.sSAVE, "Save");
    EXPECT_EQ(strings.sEXIT, "A=B");
    EXPECT_EQ(strings.sINFOTEXT, "KOV \xE4r ett menyprogram.");
    EXPECT_EQ(strings.sVERSION, " Version with blank");
    const std::vector<std::string> expected = {"ok=Okej",
                                               "OK=Second",
                                               "&Settings=&Inst\xE4llningar",
                                               "Save =Spara",
                                               "E&xit=A=B",
                                               "KOV is a menu program.=KOV \xE4r ett menyprogram.",
                                               "is a menu program.=no match",
                                               "Unknown key=kept in the list",
                                               "Version= Version with blank"};
    EXPECT_EQ(listed, expected);
}

TEST(LanguageFile, MatchOrderDecidesBetweenEqualValues) {
    UIStrings strings = DefaultUIStrings("KOV");
    strings.sGUI = "Same";
    strings.sSAVE = "Same";  // sGUI is tried before sSAVE
    ApplyLanguageFile("Same=X\r\nSame=Y", strings);
    EXPECT_EQ(strings.sGUI, "X");
    EXPECT_EQ(strings.sSAVE, "Y");
}

TEST(LanguageFile, BadInputGivesAClearResult) {
    UIStrings strings = DefaultUIStrings("KOV");
    std::string binary;
    for (int i = 0; i < 4096; ++i) binary += static_cast<char>(i * 37);
    ApplyLanguageFile(binary, strings);
    EXPECT_EQ(ApplyLanguageFile("\xEF\xBB\xBFOK=Bom", strings).size(), 1u);
    EXPECT_EQ(strings.sOK, "OK");  // a byte-order mark stays part of the key
    const std::string longKey(10000, 'k');
    EXPECT_EQ(ApplyLanguageFile(longKey + "=v\r\nno", strings).size(), 1u);
    std::string many;
    for (int i = 0; i < 100000; ++i) many += "key" + std::to_string(i) + "=value\r\n";
    EXPECT_EQ(ApplyLanguageFile(many, strings).size(), 100000u);
}

TEST(TranslationEditor, SelectionMovesTheTextBoxIntoTheList) {
    TranslationEditor editor;
    editor.SetEntries({"OK=Okej", "Save=Spara", "a=b=c"});
    EXPECT_EQ(editor.Select(0, "typed before any selection"), "Okej");
    EXPECT_FALSE(editor.bLanguageChanged);
    EXPECT_EQ(editor.Select(1, "Okej"), "Spara");  // unchanged text: no change
    EXPECT_FALSE(editor.bLanguageChanged);
    EXPECT_EQ(editor.Select(2, "Spara!"), "b=c");
    EXPECT_TRUE(editor.bLanguageChanged);
    EXPECT_EQ(editor.Entries()[1], "Save=Spara!");
    EXPECT_EQ(editor.Select(7, "ignored"), "ignored");  // no such entry: nothing happens
    EXPECT_EQ(editor.Current(), 2u);
}

TEST(TranslationEditor, ListToolTipTakesTheIndexAsAWhole) {
    TranslationEditor editor;
    editor.SetEntries({"OK=Okej", "Save=Spara"});
    EXPECT_EQ(editor.ListToolTip(1), "Spara");
    EXPECT_EQ(editor.ListToolTip(2), "");
    EXPECT_EQ(editor.ListToolTip(-1), "");
    EXPECT_EQ(editor.ListToolTip(0x10001), "");  // outside the client area the high word is 1
}

TEST(TranslationTemplate, EveryKeyMatchesWhenLoaded) {
    UIStrings strings = DefaultUIStrings("Work");
    strings.sOK = "Okej";
    strings.sINFOTEXT = "Work är ett menyprogram.";
    const auto text = TranslationTemplate(strings, "Work");
    EXPECT_EQ(text.substr(0, 30), "OK=Okej\r\n&About...=&About...\r\n");
    EXPECT_EQ(ListedLines(text).size(), 29u);
    UIStrings reread = DefaultUIStrings("Work");
    ApplyLanguageFile(text, reread);
    EXPECT_EQ(reread.sOK, "Okej");
    EXPECT_EQ(reread.sINFOTEXT, "Work är ett menyprogram.");
}

}  // namespace
}  // namespace kov
