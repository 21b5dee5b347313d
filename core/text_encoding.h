// Menu and language files as today's editors save them: decoded once where they are read and
// encoded once where they are written.
//
// Reading: UTF-16 (LE or BE) when the file starts with its byte-order mark; UTF-8 when it starts
// with the UTF-8 mark (dropped) or is valid UTF-8 holding at least one multi-byte sequence;
// otherwise the system ANSI code page. A Windows-1252 file whose bytes happen to form valid
// multi-byte UTF-8 (an accented capital followed by one or two symbols, such as "Ã©") is read as
// UTF-8: real text almost never looks like that, while every UTF-8 file with a non-ASCII letter
// does.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kov {

enum class TextEncoding { Ansi, Utf8, Utf8WithMark, Utf16Le, Utf16Be };

// The system's ANSI code page. The program asks the platform for the real one; tests use
// Windows-1252.
class AnsiCodePage {
  public:
    virtual ~AnsiCodePage() = default;
    virtual std::string ToUtf8(std::string_view bytes) const = 0;
    // nullopt when a character has no byte form in the code page.
    virtual std::optional<std::string> FromUtf8(std::string_view text) const = 0;
};

struct DecodedText {
    std::string text;  // UTF-8
    TextEncoding encoding;
};

DecodedText DecodeText(std::string_view bytes, const AnsiCodePage& ansi);

// UTF-16 bytes (without their mark) as code units, as they stand: unpaired surrogates included.
std::u16string Utf16Units(std::string_view bytes, bool bigEndian);

// The bytes of text in that encoding, with its byte-order mark where it has one. nullopt when the
// ANSI code page cannot hold the text.
std::optional<std::string> EncodeText(std::string_view text, TextEncoding encoding,
                                      const AnsiCodePage& ansi);
// Without any mark: what is added to the end of a file already in that encoding.
std::optional<std::string> EncodeTextWithoutMark(std::string_view text, TextEncoding encoding,
                                                 const AnsiCodePage& ansi);
// In the wanted encoding, or as UTF-8 with its mark when the ANSI code page cannot hold the
// text, so that nothing turns into "?".
std::string EncodeTextKeepingEverything(std::string_view text, TextEncoding wanted,
                                        const AnsiCodePage& ansi);

// CR LF, a bare LF and a bare CR each end a line. An empty text gives no lines; a text ending
// with a line end gives an empty last line.
std::vector<std::string> SplitLines(std::string_view text);

}  // namespace kov
