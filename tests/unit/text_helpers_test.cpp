#include "menufile/text_helpers.h"

#include <gtest/gtest.h>

namespace kov {
namespace {

const NumberFormat kPoint{'.'};
const NumberFormat kComma{','};

TEST(TrimBlanks, RemovesTabsBeforeSpaces) {
    const struct {
        const char* input;
        const char* expected;
    } cases[] = {
        {"\ta\t", "a"},
        {"  a", "a"},
        {" \ta", "\ta"},  // the tab behind a space survives
        {"a\t ", "a\t"},
        {"\t\t\t", ""},
        {" \t ", "\t"},
        {"", ""},
        {"\t a b \t", "a b"},
    };
    for (const auto& c : cases) EXPECT_EQ(sTrimBlanks(c.input), c.expected) << c.input;
}

TEST(ParseRGB, TableOfInputs) {
    const struct {
        const char* input;
        RgbColor expected;
    } cases[] = {
        {"255,0,0", 255},
        {" 10 , 20 , 30 ", 10 + 256 * 20 + 65536 * 30},
        {"300, 0, 0", 255},
        {"-1, 0, 0", 0},
        {"1, 2", 0},
        {",1,2,3", 0},
        {"1, 2, 3, 4", 1 + 256 * 2 + 65536 * 3},
        {"9.5, 0, 0", 10},
        {"8.5, 0, 0", 8},
        {"red", 0},
        {"", 0},
        {"255, 255, 255", 16777215},
        {"200, 200, 200", 13158600},
        {"0, 0, 0", 0},
        {"1,,3", 0},
        {"40000, 0, 0", 0},  // outside a 16-bit number
        {"0, 0, 1e2", 100 * 65536},
        {"0,0,255,", 255 * 65536},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseRGB(c.input, kPoint), c.expected) << c.input;
}

TEST(ParseRGB, ReadsTheLocaleDecimalSeparator) {
    EXPECT_EQ(ParseRGB("1, 2, 3", kComma), 1u + 256 * 2 + 65536 * 3);
    EXPECT_EQ(ParseRGB("9.5, 0, 0", kComma), 0u);  // a point is no separator there
}

TEST(Unescape, ReplacesNewlinesThenTabs) {
    EXPECT_EQ(sUnescape("\\n\\t"), "\r\n\t");
    EXPECT_EQ(sUnescape("\\\\n"), "\\\r\n");
    EXPECT_EQ(sUnescape("a\\tb\\x"), "a\tb\\x");
}

TEST(RemoveAmpAndDotDotDot, TitlesFromCaptions) {
    EXPECT_EQ(sRemoveAmpAndDotDotDot("&About..."), "About");
    EXPECT_EQ(sRemoveAmpAndDotDotDot("a....b"), "a.b");
    EXPECT_EQ(sRemoveAmpAndDotDotDot("&&x"), "x");
}

TEST(CutAtNull, KeepsTextBeforeTheFirstNul) {
    EXPECT_EQ(sCutAtNull(std::string("abc\0def", 7)), "abc");
    EXPECT_EQ(sCutAtNull("abc"), "abc");
    EXPECT_EQ(sCutAtNull(std::string("\0", 1)), "");
}

}  // namespace
}  // namespace kov
