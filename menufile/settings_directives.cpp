#include "menufile/settings_directives.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <string>
#include <utility>
#include <variant>

#include "core/text.h"
#include "core/utf8.h"
#include "menufile/menu_problems.h"

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
struct Delimiter {
    TextField field;
};
struct ExpandedPath {
    TextField field;
};
struct Milliseconds {
    unsigned MenuSettings::*field;
    unsigned least;
    unsigned most;
};
struct FontSize {};
struct FontBold {};
struct FontItalic {};
struct FontName {};
struct SkinPicture {
    platform::PicturePtr MenuSettings::*field;
};
struct CustomIcon {};

using Effect =
    std::variant<Color, Flag, TrimmedText, Delimiter, UnescapedText, ExpandedPath, Milliseconds,
                 FontSize, FontBold, FontItalic, FontName, SkinPicture, CustomIcon>;

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
    {"@ParameterDelimiter", Delimiter{&MenuSettings::ParameterDelimiter}},
    {"@MenuEditor", TrimmedText{&MenuSettings::MenuEditor}},
    {"@NoIcons", Flag{&MenuSettings::NoIcons}},
    {"@ShellIcons", Flag{&MenuSettings::ShellIcons}},
    {"@ItemDelimiter", Delimiter{&MenuSettings::ItemDelimiter}},
    {"@NoProgramMenu", Flag{&MenuSettings::NoProgramMenu}},
    {"@NoHelp", Flag{&MenuSettings::NoHelp}},
    {"@NoSettings", Flag{&MenuSettings::NoSettings}},
    {"@NoEdit", Flag{&MenuSettings::NoEdit}},
    {"@NoAbout", Flag{&MenuSettings::NoAbout}},
    {"@NoExit", Flag{&MenuSettings::NoExit}},
    {"@FoldersInPlace", Flag{&MenuSettings::FoldersInPlace}},
    {"@CustomIcon", CustomIcon{}},
    {"@GeneratorTimeout", Milliseconds{&MenuSettings::GeneratorTimeout, 100, 60000}},
};

std::optional<bool> ParseFlag(std::string_view value, const NumberFormat& numbers) {
    if (EqualsNoCase(value, "True")) return true;
    if (EqualsNoCase(value, "False")) return false;
    if (const auto number = ParseLocaleNumber(value, numbers)) return *number != 0;
    return std::nullopt;
}

using Problem = std::optional<std::string>;

Problem FileProblem(std::string_view what, const std::string& path) {
    return std::string(what) + " not found: " + Quote(path);
}

// An empty path clears the picture; one that cannot be loaded keeps the old one.
Problem SetSkin(platform::PicturePtr& picture, const std::string& path, SettingsContext& context) {
    if (path.empty()) {
        picture = nullptr;
    } else if (auto loaded = context.pictures.LoadPicture(path)) {
        picture = std::move(loaded);
    } else if (context.files.IsOrdinaryFile(path)) {
        return "skin picture cannot be read: " + Quote(path);
    } else {
        return FileProblem("skin picture", path);
    }
    return std::nullopt;
}

// key PD picture [PD mask]: the first line for a key wins, and only with a picture file present.
Problem AddCustomIcon(std::string_view value, const MenuSettings& settings,
                      SettingsContext& context) {
    const auto parts = SplitText(value, settings.ParameterDelimiter);
    if (parts.size() < 2) return "@CustomIcon without a picture file";
    if (context.CustomIcons.count(parts[0]) != 0) {
        return "a second @CustomIcon for " + Quote(parts[0]) + " is ignored";
    }
    IconFiles icon;
    icon.picture = context.expander.sExpandString(parts[1], false);
    if (!context.files.IsOrdinaryFile(icon.picture)) return FileProblem("icon", icon.picture);
    if (parts.size() > 2) icon.mask = context.expander.sExpandString(parts[2], false);
    const bool maskMissing = !icon.mask.empty() && !context.files.IsOrdinaryFile(icon.mask);
    auto problem = maskMissing ? FileProblem("icon mask", icon.mask) : std::nullopt;
    context.CustomIcons.emplace(parts[0], std::move(icon));
    return problem;
}

// The edits that turn one key into the other, letter case ignored (keys are ASCII), or more than
// limit once that is certain. Only the band of cells within limit of the diagonal can stay within
// it, so a file of nothing but unknown keys costs little more than one without.
std::size_t EditDistance(std::string_view a, std::string_view b, std::size_t limit) {
    const std::size_t tooFar = limit + 1;
    if ((a.size() > b.size() ? a.size() - b.size() : b.size() - a.size()) > limit) return tooFar;
    std::vector<std::size_t> row(b.size() + 1, tooFar);
    for (std::size_t j = 0; j <= std::min(b.size(), limit); ++j) row[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        const std::size_t first = i > limit ? i - limit : 1;
        const std::size_t last = std::min(b.size(), i + limit);
        std::size_t diagonal = row[first - 1];
        row[first - 1] = first == 1 && i <= limit ? i : tooFar;
        std::size_t best = tooFar;
        for (std::size_t j = first; j <= last; ++j) {
            const std::size_t above = row[j];
            const bool same = FoldCase(char32_t{static_cast<unsigned char>(a[i - 1])}) ==
                              FoldCase(char32_t{static_cast<unsigned char>(b[j - 1])});
            row[j] = std::min({above + 1, row[j - 1] + 1, diagonal + (same ? 0 : 1), tooFar});
            diagonal = above;
            best = std::min(best, row[j]);
        }
        if (best > limit) return tooFar;
    }
    return row.back();
}

std::string UnknownKey(std::string_view line) {
    const auto end = std::find_if(line.begin() + 1, line.end(), [](char c) {
        return !std::isalnum(static_cast<unsigned char>(c));
    });
    const std::string_view key(line.data(), static_cast<std::size_t>(end - line.begin()));
    constexpr std::size_t kCloseEnough = 2;
    std::string_view nearest;
    std::size_t best = kCloseEnough + 1;
    for (const auto& directive : kDirectives) {
        const auto distance = EditDistance(key, directive.key, kCloseEnough);
        if (distance < best) {
            best = distance;
            nearest = directive.key;
        }
    }
    std::string problem = "unknown setting " + Quote(key);
    if (!nearest.empty()) problem += "; did you mean " + std::string(nearest) + "?";
    return problem;
}

template <typename... Handlers>
struct Overloaded : Handlers... {
    using Handlers::operator()...;
};
template <typename... Handlers>
Overloaded(Handlers...) -> Overloaded<Handlers...>;

}  // namespace

std::optional<std::string> SettingValue(std::string_view line, std::string_view key) {
    if (!StartsWithNoCase(line, key)) return std::nullopt;
    // The key and the one character after it are dropped; the rest is the value, untrimmed.
    // Counted in characters: the one after the key may take several bytes, and so may a letter of
    // the key written in another case.
    std::size_t skip = 0;
    for (std::size_t n = 0; n <= key.size() && skip < line.size(); ++n) {
        skip += DecodeUtf8At(line, skip).length;
    }
    return std::string(line.substr(skip));
}

std::optional<std::string> ApplySettingsLine(std::string_view line, MenuSettings& settings,
                                             SettingsContext& context) {
    for (const auto& directive : kDirectives) {
        const auto found = SettingValue(line, directive.key);
        if (!found) continue;
        const std::string& value = *found;
        const auto cannotRead = [&](std::string_view what) -> Problem {
            return std::string(directive.key) + ": " + std::string(what) + " expected, not \"" +
                   Quote(value) + "\"";
        };
        auto setFlag = [&](bool& target) -> Problem {
            const auto flag = ParseFlag(value, context.numbers);
            if (!flag) return cannotRead("True, False or a number");
            target = *flag;
            return std::nullopt;
        };
        return std::visit(
            Overloaded{
                [&](const Color& c) -> Problem {
                    const auto color = ReadRGB(value, context.numbers);
                    settings.*c.field = color.value_or(0);
                    settings.ColorsSet = true;
                    if (!color) return cannotRead("red, green, blue (black is used)");
                    return std::nullopt;
                },
                [&](const Flag& f) { return setFlag(settings.*f.field); },
                [&](const TrimmedText& t) -> Problem {
                    settings.*t.field = TrimSpaces(value);
                    return std::nullopt;
                },
                [&](const Delimiter& d) -> Problem {
                    settings.*d.field = TrimSpaces(value);
                    if ((settings.*d.field).empty()) return cannotRead("a delimiter");
                    return std::nullopt;
                },
                [&](const UnescapedText& t) -> Problem {
                    settings.*t.field = sUnescape(value);
                    return std::nullopt;
                },
                [&](const ExpandedPath& p) -> Problem {
                    settings.*p.field = context.expander.sExpandString(value, false);
                    const auto& path = settings.*p.field;
                    if (path.empty() || context.files.IsOrdinaryFile(path)) return std::nullopt;
                    return FileProblem("language file", path);
                },
                [&](const Milliseconds& m) -> Problem {
                    const auto number = ParseLocaleNumber(value, context.numbers);
                    const auto whole =
                        number ? RoundHalfEven(*number, m.least, m.most) : std::nullopt;
                    if (!whole) {
                        return cannotRead("milliseconds from " + std::to_string(m.least) + " to " +
                                          std::to_string(m.most));
                    }
                    settings.*m.field = static_cast<unsigned>(*whole);
                    return std::nullopt;
                },
                [&](const FontSize&) -> Problem {
                    const auto number = ParseLocaleNumber(value, context.numbers);
                    const auto whole =
                        number ? RoundHalfEven(*number, -32768, 32767) : std::nullopt;
                    if (!whole) return cannotRead("a size in points");
                    settings.font.FontSize = static_cast<double>(*whole);
                    return std::nullopt;
                },
                [&](const FontBold&) { return setFlag(settings.font.FontBold); },
                [&](const FontItalic&) { return setFlag(settings.font.FontItalic); },
                [&](const FontName&) -> Problem {
                    settings.font.FontName = value;
                    return std::nullopt;
                },
                [&](const SkinPicture& s) {
                    return SetSkin(settings.*s.field, context.expander.sExpandString(value, false),
                                   context);
                },
                [&](const CustomIcon&) { return AddCustomIcon(value, settings, context); },
            },
            directive.effect);
    }
    return UnknownKey(line);
}

}  // namespace kov
