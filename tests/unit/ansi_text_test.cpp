#include "menufile/ansi_text.h"

#include <gtest/gtest.h>

#include "menufile/locale_number.h"

namespace kov {
namespace {

TEST(AnsiText, CaseFoldsWindows1252Letters) {
    EXPECT_TRUE(EqualsNoCase("@BGMENUCOLOR", "@bgmenucolor"));
    EXPECT_TRUE(EqualsNoCase("\xC4\xD6\xDC", "\xE4\xF6\xFC"));  // umlauts
    EXPECT_FALSE(EqualsNoCase("\xD7", "\xF7"));                // multiply and divide signs
    EXPECT_TRUE(StartsWithNoCase("\xA6G heading", "\xA6g"));
    EXPECT_FALSE(StartsWithNoCase("ab", "abc"));
}

TEST(AnsiText, FindAndReplaceIgnoringCase) {
    EXPECT_EQ(FindNoCase("x\xA6S y \xA6s", "\xA6s"), 1u);
    EXPECT_EQ(FindNoCase("x\xA6S y \xA6s", "\xA6s", 2), 6u);
    EXPECT_EQ(FindNoCase("abc", "d"), std::string::npos);
    EXPECT_EQ(ReplaceAllNoCase("a\xA6S b \xA6s", "\xA6s", "<>"), "a<> b <>");
    EXPECT_EQ(ReplaceAll("aaaa", "aa", "b"), "bb");
    EXPECT_EQ(ReplaceAll("abc", "", "x"), "abc");
}

TEST(SplitText, FollowsTheSplittingRule) {
    using V = std::vector<std::string>;
    EXPECT_EQ(SplitText("notepad.exe||%system32%|2", "|"), (V{"notepad.exe", "", "%system32%", "2"}));
    EXPECT_EQ(SplitText("", "|"), V{});
    EXPECT_EQ(SplitText("abc", ""), V{"abc"});
    EXPECT_EQ(SplitText("|", "|"), (V{"", ""}));
    EXPECT_EQ(SplitText("aXXbXXc", "XX"), (V{"a", "b", "c"}));
    EXPECT_EQ(SplitText("aXb", "x"), V{"aXb"});  // exact comparison
}

TEST(LocaleNumber, WholeNumbersRoundHalfToEven) {
    const NumberFormat point{'.'};
    const struct {
        const char* input;
        std::optional<int> expected;
    } cases[] = {
        {"8", 8},     {" 9.5 ", 10},     {"8.5", 8},       {"-0.5", 0},     {"\t12\t", 12},
        {"+3", 3},    {"32767", 32767},  {"32768", {}},    {"-32768", -32768},
        {"1e9", {}},  {"abc", {}},       {"", {}},         {"1.", 1},       {".5", 0},
        {"1e", {}},   {"--1", {}},       {"1 2", {}},      {"nan", {}},     {"inf", {}},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseWholeNumber16(c.input, point), c.expected) << c.input;
}

}  // namespace
}  // namespace kov
