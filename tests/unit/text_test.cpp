// The text layer: case folding, UTF-8, file encodings, numbers and the small text helpers.
#include <gtest/gtest.h>

#include "app/command_line.h"
#include "commands/url_encode.h"
#include "core/device_names.h"
#include "core/locale_number.h"
#include "core/text.h"
#include "core/text_encoding.h"
#include "core/utf8.h"
#include "menufile/text_helpers.h"
#include "odmenu/access_keys.h"
#include "tests/fakes/latin1.h"
#include "tests/unit/test_support.h"

namespace kov {
namespace {

using V = std::vector<std::string>;

TEST(Text, LetterCaseIsIgnoredInEveryScript) {
    const Rows<bool> pairs = {
        {"\xC3\x84\xC3\x96|\xC3\xA4\xC3\xB6", true},  // umlauts
        {"\xC3\x97|\xC3\xB7", false},                 // multiply and divide signs
        {"\xC5\xA0\xC5\xB8|\xC5\xA1\xC3\xBF", true},  // S caron, Y diaeresis
        {"\xD0\x9F\xD0\xA0|\xD0\xBF\xD1\x80", true},  // Cyrillic
        {"\xC8\xBA|\xE2\xB1\xA5", true},              // a letter whose small form is longer
        {"\xF0\x90\x90\x80|\xF0\x90\x90\xA8", true},  // Deseret, beyond 16 bits
        {"\xE1\x8E\xA0|\xEA\xAD\xB0", true},          // Cherokee folds to its capitals
        {"\x80|\xC2\x80", false},                     // broken bytes compare as they are
        {"@BGMENUCOLOR AZ|@bgmenucolor az", true},
    };
    ExpectRows(pairs, [](const std::string& pair) {
        const auto a = pair.substr(0, pair.find('|')), b = pair.substr(pair.find('|') + 1);
        return EqualsNoCase(a, b);
    });
    // Views are not read past their end.
    EXPECT_TRUE(LessNoCase{}(std::string_view("ab|").substr(0, 2), "abc"));
    EXPECT_FALSE(LessNoCase{}("abc", std::string_view("ab|").substr(0, 2)));
    EXPECT_EQ(FindNoCase(std::string_view("abc").substr(0, 2), "bc"), std::string_view::npos);
    EXPECT_EQ(FindNoCase("ab", "", 2), 2u);  // an empty needle is found up to the end
    EXPECT_EQ(FindNoCase("x\xC2\xA6S y \xC2\xA6s", "\xC2\xA6s", 2), 7u);
    EXPECT_EQ(FindNoCase("\xD0\x9E\xD0\xBA\xD0\xBD\xD0\xBE", "\xD0\xBD\xD0\x9E"), 4u);
    EXPECT_EQ(ReplaceAllNoCase("x\xC8\xBAy \xE2\xB1\xA5", "\xE2\xB1\xA5", "<>"), "x<>y <>");
    EXPECT_EQ(ReplaceAll("abc", "", "x"), "abc");
}

TEST(Utf8, BrokenSequencesBecomeReplacementCharacters) {
    const Rows<std::u16string> cases = {
        {"a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80", u"a\u00E9\u20AC\U0001F600"},
        {"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},  // an encoded surrogate
        {"\xED\xBF\xBF", u"\uFFFD\uFFFD\uFFFD"},
        {"\xE2\x82", u"\uFFFD\uFFFD"},                      // cut short
        {"\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},  // beyond U+10FFFF
        {std::string("a\0b", 3), std::u16string(u"a\0b", 3)},
        {"\x80\xC1\xBF\xBF\xBF\xF5", u"\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD"},  // no lead bytes
    };
    ExpectRows(cases, [](const std::string& s) { return Utf8ToUtf16(s); });
    // Each edge of each length, there and back.
    const std::string edges =
        "\x7F\xC2\x80\xDF\xBF\xE0\xA0\x80\xEF\xBF\xBF\xF0\x90\x80\x80\xF4\x8F\xBF\xBF";
    EXPECT_EQ(Utf8ToUtf16(edges), u"\x7F\u0080\u07FF\u0800\uFFFF\U00010000\U0010FFFF");
    EXPECT_EQ(Utf16ToUtf8(Utf8ToUtf16(edges)), edges);
    const char16_t unpaired[] = {u'a', 0xD800, u'b', 0xDC00, 0xD83D, 0xDE00, 0};
    EXPECT_EQ(Utf16ToUtf8(std::u16string_view(unpaired + 3, 2)), "\xEF\xBF\xBD\xEF\xBF\xBD");
}

TEST(TextEncoding, FilesAreDecodedByTheirMarksAndContentAndWrittenWithoutLoss) {
    const fakes::Latin1 ansi;
    const Rows<std::string> cases = {
        {"\xA6gCaf\xE9 \x80", "0\xC2\xA6gCaf\xC3\xA9 \xC2\x80"},
        {"\xC2\xA6gCaf\xC3\xA9", "1\xC2\xA6gCaf\xC3\xA9"},
        {std::string("\xEF\xBB\xBF\xFF\x00", 5), std::string("2\xEF\xBF\xBD\x00", 5)},
        {std::string("\xFF\xFE\xA6\x00g\x00=\xD8\x00\xDE", 10), "3\xC2\xA6g\xF0\x9F\x98\x80"},
        {std::string("\xFE\xFF\x00\xA6\x00g\x00", 7), "4\xC2\xA6g"},  // odd length
        {std::string("\xFF\xFE\x00\xD8", 4), "3\xEF\xBF\xBD"},        // unpaired surrogate
        {"\xC3\xA9\xE9", "0\xC3\x83\xC2\xA9\xC3\xA9"},                // invalid UTF-8 falls back
        {"\x80", "0\xC2\x80"},
        {"", "0"},
    };
    ExpectRows(cases, [&](const std::string& bytes) {
        const auto decoded = DecodeText(bytes, ansi);
        return std::to_string(static_cast<int>(decoded.encoding)) + decoded.text;
    });
    const std::string cyrillic = "\xD0\x94";
    EXPECT_EQ(EncodeTextKeepingEverything("Caf\xC3\xA9", TextEncoding::Ansi, ansi), "Caf\xE9");
    EXPECT_EQ(EncodeTextKeepingEverything(cyrillic, TextEncoding::Ansi, ansi),
              "\xEF\xBB\xBF" + cyrillic);
    EXPECT_EQ(SplitLines("a\r\nb\nc\rd\n\r\ne\r\r\n"), (V{"a", "b", "c", "d", "", "e", "", ""}));
    EXPECT_EQ(SplitLines("a\r"), (V{"a", ""}));
}

TEST(Numbers, WholeNumbersRoundHalfToEvenAndColoursClampTheirParts) {
    const NumberFormat point{'.'};
    const Rows<std::optional<int>> numbers = {
        {" 9.5 ", 10},    {"8.5", 8},    {"-0.5", 0},        {"\t12\t", 12}, {"+3", 3},
        {"32767", 32767}, {"32768", {}}, {"-32768", -32768}, {"-32769", {}}, {"1e9", {}},
        {"abc", {}},      {"", {}},      {"1.", 1},          {".5", 0},      {"1e", {}},
        {"1e2", 100},     {"1e+2", 100}, {"--1", {}},        {"1 2", {}},    {"nan", {}},
        {"inf", {}},
    };
    // Read as a view into a line that goes on with a separator, a digit or an exponent.
    ExpectRows(numbers, [&](const std::string& s) {
        const auto read = [&](const char* next) {
            return ParseWholeNumber16(std::string_view(s + next).substr(0, s.size()), point);
        };
        EXPECT_EQ(read("."), read("7")) << s;
        return read("e");
    });
    const Rows<RgbColor> colours = {
        {" 10 , 20 , 30 ", 0x1E140A},
        {"1, 2, 3, 4", 0x030201},
        {"300, 0, 0", 255},
        {"-1, 0, 0", 0},
        {"1, 2", 0},
        {"red", 0},
        {"40000, 0, 0", 0},  // outside a 16-bit number
        {"0,0,255,", 0xFF0000},
    };
    ExpectRows(colours, [&](const std::string& s) { return ParseRGB(s, point); });
    EXPECT_EQ(ParseRGB("1, 2, 3", NumberFormat{','}), 0x030201u);
    EXPECT_EQ(ParseRGB("9.5, 0, 0", NumberFormat{','}), 0u);  // a point is no separator there
}

TEST(TextHelpers, TrimUnescapeTitlesUrlsAndAccessKeys) {
    const Rows<> trimmed = {
        {"\ta\t", "a"}, {" \ta", "\ta"}, {"a\t ", "a\t"},
        {"\t\t\t", ""}, {" \t ", "\t"},  {"\t a b \t", "a b"},
    };
    ExpectRows(trimmed, sTrimBlanks);
    ExpectRows<std::string>({{"\\n\\t", "\r\n\t"}, {"\\\\n", "\\\r\n"}, {"a\\tb\\x", "a\tb\\x"}},
                            sUnescape);
    ExpectRows<std::string>({{"&About...", "About"}, {"a....b", "a.b"}, {"&&x", "x"}},
                            sRemoveAmpAndDotDotDot);
    ExpectRows<std::string>({{std::string("abc\0def", 7), "abc"}, {std::string("\0", 1), ""}},
                            sCutAtNull);
    const Rows<> encoded = {
        {"Abc-1", "Abc%2D%31"},       {"\t", "%09"}, {"a b", "a+b"}, {"\xC3\xA9", "%C3%A9"},
        {"Zz@[`{", "Zz%40%5B%60%7B"},
    };
    ExpectRows(encoded, sURLEncode);
    // The letter after the first single ampersand chooses or steps.
    EXPECT_EQ(AccessKeyOf("Tom && &Jerry"), 'J');
    EXPECT_EQ(AccessKeyOf("&&"), std::nullopt);
    EXPECT_EQ(AccessKeyOf("Trailing&"), std::nullopt);
    EXPECT_EQ(AccessKeyOf("&\xD0\x92\xD1\x8B\xD1\x85\xD0\xBE\xD0\xB4\t&C"), U'\u0412');
}

TEST(CommandLine, ProgramNameIsSkippedAndOnePairOfQuotesRemoved) {
    const Rows<> arguments = {
        {"KOV.exe", ""},
        {"KOV.exe  D:\\menus\\work.mnu ", "D:\\menus\\work.mnu"},
        {"\"C:\\Program Files\\KOV.exe\"\t\"D:\\my menus\\w.mnu\"", "D:\\my menus\\w.mnu"},
        {"\"C:\\KOV.exe\"x.mnu", "x.mnu"},
        {"KOV.exe \"a\" \"b\"", "a\" \"b"},  // one pair only
        {"C:\\\xD0\x9F\\KOV.exe \xD0\x9C.mnu", "\xD0\x9C.mnu"},
    };
    ExpectRows(arguments, [](const auto& s) { return MenuFileArgument(CommandLineArguments(s)); });
    const Rows<bool> devices = {
        {"NUL", true},       {"C:\\x\\con.txt", true}, {"com1:", true},
        {"LPT9 .mnu", true}, {"COM\xC2\xB3", true},    {"CONOUT$", true},
        {"COM0", false},     {"nul\\x", false},        {"CON1", false},
        {"C:", false},       {"COM", false},
    };
    ExpectRows(devices, [](const std::string& path) { return IsDeviceName(path); });
    const Rows<bool> drives = {
        {"\\Device\\HarddiskVolume3", true}, {"\\??\\D:\\work", true},
        {"\\??\\UNC\\server\\share", false}, {"\\Device\\LanmanRedirector\\;Z:0\\s\\x", false},
        {"\\Device\\CdRom0", false},
    };
    ExpectRows(drives, [](const std::string& target) { return IsLocalDiskDevice(target); });
    // The check switch: "-" for no switch, "default" for no file named.
    ExpectRows<std::string>({{"/CHECK", "default"},
                             {"/check  \"D:\\a b.mnu\" ", "D:\\a b.mnu"},
                             {"/check \"\"", ""},
                             {"/checked", "-"},
                             {"x.mnu /check", "-"}},
                            [](const std::string& s) {
                                const auto check = CheckSwitch(s);
                                return !check ? "-" : check->menuFile.value_or("default");
                            });
}

}  // namespace
}  // namespace kov
