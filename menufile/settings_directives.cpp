#include "menufile/settings_directives.h"

#include <optional>
#include <string>
#include <variant>

#include "menufile/ansi_text.h"

namespace kov {

namespace {

using ColorField = RgbColor MenuSettings::*;
using FlagField = bool MenuSettings::*;
using TextField = std::string MenuSettings::*;

// How a value is converted before it is stored.
struct Color { ColorField field; };
struct Flag { FlagField field; };
struct TrimmedText { TextField field; };
struct UnescapedText { TextField field; };
struct ExpandedPath { TextField field; };
struct FontSize {};
struct FontBold {};
struct FontItalic {};
struct FontName {};

using Effect = std::variant<Color, Flag, TrimmedText, UnescapedText, ExpandedPath, FontSize,
                            FontBold, FontItalic, FontName>;

struct Directive {
    std::string_view key;
    Effect effect;
};

// Tried in this order; the first key the line begins with wins.
const Directive kDirectives[] = {
    {"@BGMenuColor", Color{&MenuSettings::BGMenuColor}},
    {"@SelBGMenuColor", Color{&MenuSettings::SelBGMenuColor}},
    {"@TextColor", Color{&MenuSettings::TextColor}},
    {"@SelTextColor", Color{&MenuSettings::SelTextColor}},
    {"@FontSize", FontSize{}},
    {"@FontBold", FontBold{}},
    {"@FontItalic", FontItalic{}},
    {"@FontName", FontName{}},
    {"@LanguageFile", ExpandedPath{&MenuSettings::LanguageFile}},
    {"@UseSkin", Flag{&MenuSettings::UseSkin}},
    {"@StringBefore", UnescapedText{&MenuSettings::StringBefore}},
    {"@StringAfter", UnescapedText{&MenuSettings::StringAfter}},
    {"@StringDelimiter", UnescapedText{&MenuSettings::StringDelimiter}},
    {"@ParameterDelimiter", TrimmedText{&MenuSettings::ParameterDelimiter}},
    {"@MenuEditor", TrimmedText{&MenuSettings::MenuEditor}},
    {"@NoIcons", Flag{&MenuSettings::NoIcons}},
    {"@ItemDelimiter", TrimmedText{&MenuSettings::ItemDelimiter}},
    {"@NoProgramMenu", Flag{&MenuSettings::NoProgramMenu}},
    {"@NoHelp", Flag{&MenuSettings::NoHelp}},
    {"@NoSettings", Flag{&MenuSettings::NoSettings}},
    {"@NoEdit", Flag{&MenuSettings::NoEdit}},
    {"@NoAbout", Flag{&MenuSettings::NoAbout}},
    {"@NoExit", Flag{&MenuSettings::NoExit}},
};

std::optional<bool> ParseFlag(std::string_view value, const NumberFormat& numbers) {
    if (EqualsNoCase(value, "True")) return true;
    if (EqualsNoCase(value, "False")) return false;
    if (const auto number = ParseLocaleNumber(value, numbers)) return *number != 0;
    return std::nullopt;
}

template <typename... Handlers>
struct Overloaded : Handlers... {
    using Handlers::operator()...;
};
template <typename... Handlers>
Overloaded(Handlers...) -> Overloaded<Handlers...>;

}  // namespace

void ApplySettingsLine(std::string_view line, MenuSettings& settings, SettingsContext& context) {
    for (const auto& directive : kDirectives) {
        if (!StartsWithNoCase(line, directive.key)) continue;
        // The key and the one character after it are dropped; the rest is the value, untrimmed.
        const auto skip = directive.key.size() + 1;
        const std::string value(skip < line.size() ? line.substr(skip) : std::string_view());
        auto setFlag = [&](bool& target) {
            if (const auto flag = ParseFlag(value, context.numbers)) target = *flag;
        };
        std::visit(
            Overloaded{
                [&](const Color& c) { settings.*c.field = ParseRGB(value, context.numbers); },
                [&](const Flag& f) { setFlag(settings.*f.field); },
                [&](const TrimmedText& t) { settings.*t.field = TrimSpaces(value); },
                [&](const UnescapedText& t) { settings.*t.field = sUnescape(value); },
                [&](const ExpandedPath& p) {
                    settings.*p.field = context.expander.sExpandString(value, false);
                },
                [&](const FontSize&) {
                    const auto number = ParseLocaleNumber(value, context.numbers);
                    if (!number) return;
                    if (const auto whole = RoundHalfEven(*number, -32768, 32767)) {
                        settings.font.FontSize = static_cast<double>(*whole);
                    }
                },
                [&](const FontBold&) { setFlag(settings.font.FontBold); },
                [&](const FontItalic&) { setFlag(settings.font.FontItalic); },
                [&](const FontName&) { settings.font.FontName = value; },
            },
            directive.effect);
        return;
    }
}

}  // namespace kov
