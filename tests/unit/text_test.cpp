#include "core/text.h"

#include <gtest/gtest.h>

#include "core/locale_number.h"
#include "core/utf8.h"

namespace kov {
namespace {

TEST(Text, LetterCaseIsIgnoredInEveryScript) {
    const struct {
        const char* a;
        const char* b;
        bool equal;
    } cases[] = {
        {"@BGMENUCOLOR", "@bgmenucolor", true},
        {"\xC3\x84\xC3\x96\xC3\x9C", "\xC3\xA4\xC3\xB6\xC3\xBC", true},  // umlauts
        {"\xC3\x97", "\xC3\xB7", false},                 // multiply and divide signs
        {"\xC5\xA0\xC5\xB8", "\xC5\xA1\xC3\xBF", true},  // S caron, Y diaeresis
        {"\xD0\x9F\xD0\xA0\xD0\x98", "\xD0\xBF\xD1\x80\xD0\xB8", true},  // Cyrillic
        {"\xCE\xA3\xCE\x99", "\xCF\x83\xCE\xB9", true},                  // Greek
        {"\xC8\xBA", "\xE2\xB1\xA5", true},              // a letter whose small form is longer
        {"\xF0\x90\x90\x80", "\xF0\x90\x90\xA8", true},  // Deseret, beyond 16 bits
        {"\xE4\xB8\xAD", "\xE4\xB8\xAD", true},
        {"\xE1\x8E\xA0", "\xEA\xAD\xB0", true},  // Cherokee folds to its capitals
        {"\xE9", "\xC9", false},                 // broken bytes compare as they are
        {"ab", "abc", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(EqualsNoCase(c.a, c.b), c.equal) << c.a << " " << c.b;
        EXPECT_EQ(!LessNoCase{}(c.a, c.b) && !LessNoCase{}(c.b, c.a), c.equal) << c.a;
    }
    EXPECT_TRUE(LessNoCase{}("a", "B"));
    EXPECT_EQ(PlaceholderLetter("\xC2\xA6G heading"), U'g');
    EXPECT_EQ(PlaceholderLetter("\xC2\xA6"), 0u);
    EXPECT_EQ(PlaceholderLetter("G"), 0u);
}

TEST(Text, FindAndReplaceIgnoringCase) {
    EXPECT_EQ(FindNoCase("x\xC2\xA6S y \xC2\xA6s", "\xC2\xA6s"), 1u);
    EXPECT_EQ(FindNoCase("x\xC2\xA6S y \xC2\xA6s", "\xC2\xA6s", 2), 7u);
    EXPECT_EQ(FindNoCase("abc", "d"), std::string::npos);
    EXPECT_EQ(FindNoCase("\xD0\x9E\xD0\xBA\xD0\xBD\xD0\xBE", "\xD0\xBD\xD0\x9E"), 4u);
    EXPECT_EQ(ReplaceAllNoCase("a\xC2\xA6S b \xC2\xA6s", "\xC2\xA6s", "<>"), "a<> b <>");
    EXPECT_EQ(ReplaceAllNoCase("x\xC8\xBAy", "\xE2\xB1\xA5", "<>"), "x<>y");
    EXPECT_EQ(ReplaceAll("aaaa", "aa", "b"), "bb");
    EXPECT_EQ(ReplaceAll("abc", "", "x"), "abc");
}

TEST(Utf8, BrokenSequencesBecomeReplacementCharacters) {
    const struct {
        std::string utf8;
        std::u16string utf16;
    } cases[] = {
        {"a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80", u"a\u00E9\u20AC\U0001F600"},
        {"\xC0\xAF", u"\uFFFD\uFFFD"},                      // overlong slash
        {"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},            // an encoded surrogate
        {"\xE2\x82", u"\uFFFD\uFFFD"},                      // cut short
        {"\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},  // beyond U+10FFFF
        {std::string("a\0b", 3), std::u16string(u"a\0b", 3)},
    };
    for (const auto& c : cases) EXPECT_EQ(Utf8ToUtf16(c.utf8), c.utf16) << c.utf8;
    EXPECT_EQ(Utf16ToUtf8(u"\u00E9\U0001F600"), "\xC3\xA9\xF0\x9F\x98\x80");
    const char16_t unpaired[] = {u'a', 0xD800, u'b', 0xDC00, 0};
    EXPECT_EQ(Utf16ToUtf8(unpaired),
              "a\xEF\xBF\xBD"
              "b\xEF\xBF\xBD");
    EXPECT_EQ(Utf16ToUtf8(unpaired, true),
              "a\xED\xA0\x80"
              "b\xED\xB0\x80");
    EXPECT_EQ(Utf8ToUtf16(Utf16ToUtf8(unpaired, true), true), unpaired);
}

TEST(SplitText, FollowsTheSplittingRule) {
    using V = std::vector<std::string>;
    EXPECT_EQ(SplitText("notepad.exe||%system32%|2", "|"),
              (V{"notepad.exe", "", "%system32%", "2"}));
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
        {"8", 8},    {" 9.5 ", 10},    {"8.5", 8},    {"-0.5", 0},        {"\t12\t", 12},
        {"+3", 3},   {"32767", 32767}, {"32768", {}}, {"-32768", -32768}, {"1e9", {}},
        {"abc", {}}, {"", {}},         {"1.", 1},     {".5", 0},          {"1e", {}},
        {"--1", {}}, {"1 2", {}},      {"nan", {}},   {"inf", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseWholeNumber16(c.input, point), c.expected) << c.input;
}

}  // namespace
}  // namespace kov
