#include "core/text_encoding.h"

#include <gtest/gtest.h>

#include "tests/fakes/windows_1252.h"

namespace kov {
namespace {

using E = TextEncoding;

TEST(TextEncoding, FilesAreDecodedByTheirMarksAndContent) {
    const fakes::Windows1252 ansi;
    const struct {
        std::string bytes;
        std::string text;
        E encoding;
    } cases[] = {
        {"Notepad\tnotepad.exe", "Notepad\tnotepad.exe", E::Ansi},
        {"\xA6gCaf\xE9 \x80", "\xC2\xA6gCaf\xC3\xA9 \xE2\x82\xAC", E::Ansi},
        {"\xC2\xA6gCaf\xC3\xA9", "\xC2\xA6gCaf\xC3\xA9", E::Utf8},
        {"\xEF\xBB\xBF@NoIcons 1", "@NoIcons 1", E::Utf8WithMark},
        {std::string("\xEF\xBB\xBF\xFF\x00", 5), std::string("\xEF\xBF\xBD\x00", 4),
         E::Utf8WithMark},
        {std::string("\xFF\xFE\xA6\x00g\x00=\xD8\x00\xDE", 10), "\xC2\xA6g\xF0\x9F\x98\x80",
         E::Utf16Le},
        {std::string("\xFE\xFF\x00\xA6\x00g\x00", 7), "\xC2\xA6g", E::Utf16Be},  // odd length
        {std::string("\xFF\xFE\x00\xD8", 4), "\xEF\xBF\xBD", E::Utf16Le},  // unpaired surrogate
        {"\xC3\xA9\xE9", "\xC3\x83\xC2\xA9\xC3\xA9", E::Ansi},  // invalid UTF-8 falls back
        {"\xC0\xAF", "\xC3\x80\xC2\xAF", E::Ansi},              // overlong too
        {std::string("a\0b", 3), std::string("a\0b", 3), E::Ansi},
        {"", "", E::Ansi},
    };
    for (const auto& c : cases) {
        const auto decoded = DecodeText(c.bytes, ansi);
        EXPECT_EQ(decoded.text, c.text) << c.bytes;
        EXPECT_EQ(decoded.encoding, c.encoding) << c.bytes;
    }
}

TEST(TextEncoding, WritingKeepsTheEncodingUnlessTextWouldBeLost) {
    const fakes::Windows1252 ansi;
    const std::string cafe = "Caf\xC3\xA9";
    const std::string cyrillic = "\xD0\x94";
    EXPECT_EQ(EncodeTextKeepingEverything(cafe, E::Ansi, ansi), "Caf\xE9");
    EXPECT_EQ(EncodeTextKeepingEverything(cyrillic, E::Ansi, ansi), "\xEF\xBB\xBF\xD0\x94");
    EXPECT_EQ(EncodeTextKeepingEverything(cyrillic, E::Utf8, ansi), "\xD0\x94");
    EXPECT_EQ(EncodeTextKeepingEverything(cyrillic, E::Utf16Be, ansi),
              std::string("\xFE\xFF\x04\x14", 4));
    EXPECT_EQ(EncodeTextWithoutMark(cyrillic, E::Utf16Le, ansi), std::string("\x14\x04", 2));
    EXPECT_EQ(EncodeTextWithoutMark(cyrillic, E::Utf8WithMark, ansi), "\xD0\x94");
}

TEST(TextEncoding, EveryLineEndEndsALine) {
    using V = std::vector<std::string>;
    EXPECT_EQ(SplitLines("a\r\nb\nc\rd"), (V{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitLines("a\n\r\nb\r\r\n"), (V{"a", "", "b", "", ""}));
    EXPECT_EQ(SplitLines(""), V{});
    EXPECT_EQ(SplitLines("a\r"), (V{"a", ""}));
}

}  // namespace
}  // namespace kov
