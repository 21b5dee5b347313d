#include "menufile/settings_directives.h"

#include <optional>
#include <string>
#include <utility>
#include <variant>

#include "core/text.h"

namespace kov {

namespace {

using ColorField = RgbColor MenuSettings::*;
using FlagField = bool MenuSettings::*;
using TextField = std::string MenuSettings::*;

// How a value is converted before it is stored.
struct Color {
    ColorField field;
};
struct Flag {
    FlagField field;
};
struct TrimmedText {
    TextField field;
};
struct UnescapedText {
    TextField field;
};
struct ExpandedPath {
    TextField field;
};
struct FontSize {};
struct FontBold {};
struct FontItalic {};
struct FontName {};
struct SkinPicture {
    platform::PicturePtr MenuSettings::*field;
};
struct CustomIcon {};

using Effect = std::variant<Color, Flag, TrimmedText, UnescapedText, ExpandedPath, FontSize,
                            FontBold, FontItalic, FontName, SkinPicture, CustomIcon>;

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
    {"@SkinBackground", SkinPicture{&MenuSettings::SkinBackground}},
    {"@SkinBGSelected", SkinPicture{&MenuSettings::SkinBGSelected}},
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
    {"@CustomIcon", CustomIcon{}},
};

std::optional<bool> ParseFlag(std::string_view value, const NumberFormat& numbers) {
    if (EqualsNoCase(value, "True")) return true;
    if (EqualsNoCase(value, "False")) return false;
    if (const auto number = ParseLocaleNumber(value, numbers)) return *number != 0;
    return std::nullopt;
}

// An empty path clears the picture; one that cannot be loaded keeps the old one.
void SetSkin(platform::PicturePtr& picture, const std::string& path, platform::Pictures& pictures) {
    if (path.empty()) {
        picture = nullptr;
    } else if (auto loaded = pictures.LoadPicture(path)) {
        picture = std::move(loaded);
    }
}

// key PD picture [PD mask]: the first line for a key wins, and only with a picture file present.
void AddCustomIcon(std::string_view value, const MenuSettings& settings, SettingsContext& context) {
    const auto parts = SplitText(value, settings.ParameterDelimiter);
    if (parts.size() < 2 || context.CustomIcons.count(parts[0]) != 0) return;
    IconFiles icon;
    icon.picture = context.expander.sExpandString(parts[1], false);
    if (!context.files.IsOrdinaryFile(icon.picture)) return;
    if (parts.size() > 2) icon.mask = context.expander.sExpandString(parts[2], false);
    context.CustomIcons.emplace(parts[0], std::move(icon));
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
        std::visit(Overloaded{
                       [&](const Color& c) {
                           settings.*c.field = ParseRGB(value, context.numbers);
                           settings.ColorsSet = true;
                       },
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
                       [&](const SkinPicture& s) {
                           SetSkin(settings.*s.field, context.expander.sExpandString(value, false),
                                   context.pictures);
                       },
                       [&](const CustomIcon&) { AddCustomIcon(value, settings, context); },
                   },
                   directive.effect);
        return;
    }
}

}  // namespace kov
