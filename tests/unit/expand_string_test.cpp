#include "commands/expand_string.h"

#include <gtest/gtest.h>

#include "commands/url_encode.h"
#include "tests/fakes/fake_platform.h"

namespace kov {
namespace {

class ExpandString : public ::testing::Test {
  protected:
    fakes::FakePlatform fake;
    MenuSettings settings;
    Expander expander{fake.environment, "C:\\Tools\\Menu", fake.clipboard, fake.clock, settings};
};

TEST_F(ExpandString, EnvironmentAndRelativePaths) {
    auto& environment = fake.environment;
    environment.variables["windir"] = "C:\\windows";
    environment.variables["pad"] = "   C:\\x";
    const struct {
        const char* input;
        const char* expected;
    } cases[] = {
        {"%windir%\\notepad.exe", "C:\\windows\\notepad.exe"},
        {"%system32%", "%system32%"},  // undefined variables stay as written
        {"%pad%", "C:\\x"},            // leading blanks of an expansion go
        {"  no percent  ", "  no percent  "},
        {"..\\..\\x.exe", "C:\\x.exe"},
        {"..\\..\\..\\..\\x.exe", "C:\\..\\..\\x.exe"},
        {".\\img\\a.jpg", "C:\\Tools\\Menu\\img\\a.jpg"},
        {"a\\..\\b", "a\\..\\b"},
        {".\\", "C:\\Tools\\Menu\\"},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(expander.sExpandString(c.input, false), c.expected) << c.input;
}

TEST_F(ExpandString, ClipboardTextWithAndWithoutUrlEncoding) {
    EXPECT_EQ(expander.sExpandString("x \xC2\xA6s y", false),
              "");  // no text: the whole result goes
    fake.clipboard.text = "";
    EXPECT_EQ(expander.sExpandString("\xC2\xA6s", false), "");
    fake.clipboard.text = "a b&c";
    EXPECT_EQ(expander.sExpandString("q=\xC2\xA6s", true), "q=a+b%26c");
    EXPECT_EQ(expander.sExpandString("q=\xC2\xA6S|\xC2\xA6s", false), "q=a b&c|a b&c");
    EXPECT_EQ(expander.sExpandString(".\\\xC2\xA6s", false), "C:\\Tools\\Menu\\a b&c");
    EXPECT_EQ(fake.clipboard.textReads, 5);  // read again at every call
}

TEST_F(ExpandString, ClipboardFilesInTheSettingsWrapping) {
    EXPECT_EQ(expander.sExpandString("<\xC2\xA6"
                                     "f>",
                                     false),
              "<>");
    fake.clipboard.files = std::vector<std::string>{"C:\\a.txt", "C:\\b c.txt"};
    EXPECT_EQ(expander.sExpandString("\xC2\xA6"
                                     "F",
                                     false),
              "C:\\a.txt C:\\b c.txt");
    settings.StringBefore = "\"";
    settings.StringAfter = "\"";
    settings.StringDelimiter = "\" \"";
    fake.clipboard.text = "t";
    EXPECT_EQ(expander.sExpandString("\xC2\xA6s \xC2\xA6"
                                     "f",
                                     true),
              "t \"C:\\a.txt\" \"C:\\b c.txt\"");
    fake.clipboard.files = std::vector<std::string>{};
    EXPECT_EQ(expander.sExpandString("\xC2\xA6"
                                     "f",
                                     false),
              "\"\"");
}

TEST_F(ExpandString, DateComesLast) {
    fake.environment.variables["fmt"] = "yyyy";
    EXPECT_EQ(expander.sExpandString("log\xC2\xA6"
                                     "d(%fmt%).txt",
                                     false),
              "log2024.txt");
}

TEST(URLEncode, LettersStaySpacesArePlusTheRestIsHex) {
    const struct {
        const char* text;
        const char* expected;
    } cases[] = {
        {"Abc-1", "Abc%2D%31"},
        {"\t", "%09"},
        {"a b", "a+b"},
        {"\xC3\xA9\xC2\xA6", "%C3%A9%C2%A6"},
        {"", ""},
        {"Zz@[`{", "Zz%40%5B%60%7B"},
    };
    for (const auto& c : cases) EXPECT_EQ(sURLEncode(c.text), c.expected) << c.text;
}

}  // namespace
}  // namespace kov
