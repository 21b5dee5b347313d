// Owner-drawn items: conversion, icon choice, fonts, measuring and where each part is painted.
#include <gtest/gtest.h>

#include "odmenu/draw_layout.h"
#include "odmenu/item_icon.h"
#include "odmenu/item_record.h"
#include "odmenu/item_request.h"
#include "odmenu/measure_item.h"
#include "odmenu/menu_colors.h"
#include "odmenu/menu_conversion.h"
#include "odmenu/menu_font.h"
#include "odmenu/od_menu_tables.h"
#include "odmenu/picture_header.h"
#include "odmenu/picture_looks.h"
#include "tests/fakes/fake_platform.h"

// Members a designated initializer leaves out keep their defaults, on purpose.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace kov {
namespace {

namespace st = item_state;
namespace mt = menu_types;
using K = Brush::Kind;

constexpr RgbColor kWhite = 0xFFFFFF, kGrey = 0xC8C8C8, kBlack = 0, kRed = 0xFF;

class Layout : public ::testing::Test {
  protected:
    DrawPlan Plan(unsigned state, bool hasIcon = true) {
        input.state = state;
        input.hasIcon = hasIcon;
        input.iconSize = hasIcon ? std::optional<Point>(Point{16, 16}) : std::nullopt;
        return PlanMenuItem(input, look);
    }
    DrawInput input{.item = {0, 40, 150, 62}, .captionHeight = 13};
    DrawLook look{kWhite, kGrey, kBlack, kRed, false, false, false};
};

TEST_F(Layout, StatesChooseHighlightFrameColoursIconPlaceAndColumnGap) {
    EXPECT_FALSE(Plan(0).columnGap || Plan(0).rightTextAt);
    const struct {
        unsigned state;
        bool hasIcon;
        std::optional<Rect> highlight, frame;
        RgbColor text, back;
    } cases[] = {
        {0, true, std::nullopt, std::nullopt, kBlack, kWhite},
        {st::kSelected, true, Rect{20, 0, 150, 22}, Rect{0, 0, 20, 22}, kRed, kGrey},
        {st::kSelected, false, Rect{0, 0, 150, 22}, std::nullopt, kRed, kGrey},
        // Disabled: no highlight and no frame, but the selected text colours.
        {st::kSelected | st::kDisabled, true, std::nullopt, std::nullopt, kRed, kGrey},
        {st::kDisabled, true, std::nullopt, std::nullopt, kBlack, kWhite},
        // A checked item shows the check mark without the raised frame.
        {st::kSelected | st::kChecked, true, Rect{20, 0, 150, 22}, std::nullopt, kRed, kGrey},
    };
    for (const auto& c : cases) {
        const auto p = Plan(c.state, c.hasIcon);
        EXPECT_EQ(std::tie(p.highlight, p.raisedFrame), std::tie(c.highlight, c.frame)) << c.state;
        EXPECT_EQ(std::tie(p.textColor, p.backColor), std::tie(c.text, c.back)) << c.state;
    }
    input.iconSize = Point{12, 10};
    EXPECT_EQ(PlanMenuItem(input, look).iconAt, (Point{2, 6}));
    input.state = st::kDisabled;
    EXPECT_EQ(PlanMenuItem(input, look).iconAt, (Point{4, 6}));  // centred in its cell
    // With a grayed-text colour (dark mode, high contrast) disabled text is plain, in it.
    look.grayedText = kGrey;
    EXPECT_EQ(Plan(st::kDisabled).textColor, kGrey);
    EXPECT_FALSE(Plan(st::kDisabled).embossText);
    input.item = {154, 22, 300, 44};
    EXPECT_EQ(Plan(0).columnGap, (Rect{150, 22, 154, 44}));
    look.UseSkin = true;
    EXPECT_EQ(Plan(0).columnGapBrush, (Brush{K::Solid, kWhite}));  // no picture handed over
    look.backgroundSkinExists = true;
    EXPECT_EQ(Plan(0).columnGapBrush.kind, K::BackgroundSkin);
    input.menuBarItem = true;
    EXPECT_FALSE(Plan(0).columnGap);
}

// Every pixel distance is its 96-DPI value scaled and rounded half to even; the program's
// pictures come at the size that fits.
TEST_F(Layout, MeasureFontAndPicturesScaleFromNinetySixDpi) {
    const struct {
        int dpi, cell, pad, gap;
        const char* picture;
        long fontHeight;  // 9 points
    } rows[] = {
        {96, 20, 6, 4, "kovpic", -12},
        {120, 25, 8, 5, "kovpic20", -15},
        {144, 30, 9, 6, "kovpic24", -18},
    };
    for (const auto& r : rows) {
        const int side = DrawnIconSize(IconSource::Kind::Resource, {16, 16}, r.dpi).width;
        const ItemSize size = MeasuredItemSize("Exit", {30, 13}, side, false, false, r.dpi);
        EXPECT_EQ(size, (ItemSize{30 + r.pad + r.cell, std::max(side, 13) + r.pad})) << r.dpi;
        DrawInput in{.dpi = r.dpi,
                     .item = {r.gap + 10, 0, r.gap + 160, size.height},
                     .hasIcon = true,
                     .captionHeight = 13,
                     .iconSize = Point{side, side}};
        EXPECT_EQ(PlanMenuItem(in, look).columnGap->Width(), r.gap) << r.dpi;
        in.state = item_state::kSelected;
        EXPECT_EQ(PlanMenuItem(in, look).highlight->left, r.cell) << r.dpi;
        EXPECT_EQ(ProgramPictureName("kovpic", r.dpi), r.picture);
        EXPECT_EQ(MenuFontRequest({}, MenuFont{"Tahoma", 9, false, false}, r.dpi).height,
                  r.fontHeight);
    }
    // Between the sizes made, the next larger picture, stretched to fit.
    EXPECT_EQ(ProgramPictureName("exit", 168), "exit32");
    EXPECT_EQ(ProgramPictureName("exit", 72), "exit");
    EXPECT_EQ(DrawnIconSize(IconSource::Kind::Resource, {32, 32}, 168), (IconSize{28, 28}));
    // Picture files keep their look: their own size, scaled.
    EXPECT_EQ(DrawnIconSize(IconSource::Kind::File, {16, 10}, 144), (IconSize{24, 15}));
    EXPECT_EQ(DrawnIconSize(IconSource::Kind::File, {600, 10}, 192), (IconSize{600, 10}));
    // The system's menu font is taken over bold and italic only when it is exactly that.
    MenuFont adopted;
    AdoptSystemMenuFont(adopted, {"Segoe UI", 700, 1});
    EXPECT_TRUE(adopted.FontBold && adopted.FontItalic);
    AdoptSystemMenuFont(adopted, {"Segoe UI", 600, 2});
    EXPECT_FALSE(adopted.FontBold || adopted.FontItalic);
}

TEST(OwnerDraw, CaptionsMenuBarConversionAndItemRecordsWithTheirRequests) {
    EXPECT_EQ(SplitDrawCaption("Open\tCtrl+O\tx").rightText, "Ctrl+O\tx");
    EXPECT_EQ(TextToMeasure("a\tb\tc"), "a b\tc");

    MenuBarItem previous;
    EXPECT_TRUE(MenuBarFills(previous, 667, {60, 0, 200, 20}, 300, 668).empty());
    // 668 wrapped onto a second row and is the last item.
    EXPECT_EQ(MenuBarFills(previous, 668, {0, 20, 80, 40}, 300, 668),
              (std::vector<Rect>{{200, 0, 300, 20}, {80, 20, 300, 40}}));

    // Spaces before the bar: the first character goes, the bar stays, a column still starts.
    for (const auto& [text, caption] : {std::pair{"|Tools", "Tools"}, {"  |Tools", " |Tools"}}) {
        EXPECT_EQ(ConvertMenuItem(0, text).type, mt::kOwnerDraw | mt::kMenuBreak) << text;
        EXPECT_EQ(ConvertMenuItem(0, text).caption, caption) << text;
    }
    EXPECT_EQ(ConvertMenuItem(mt::kSeparator, "").type, mt::kSeparator | mt::kOwnerDraw);
    EXPECT_TRUE(IsToolbarClassName("xtoolbar"));
    EXPECT_FALSE(IsToolbarClassName("toolbar_toolbar"));  // the first match decides

    // Each item's record, as a popup converts it, and the paint request made from it: the kind
    // decides, the caption is whole, and a picture shows only where one belongs.
    const MenuSettings settings;
    const CustomIconTable custom{{"Notes", {"n.bmp", ""}}};
    const std::optional<MenuFont> font;
    const MenuColors colors;
    const OwnerDrawSources sources{settings, custom, font, colors};
    ODMenuState state;
    state.ImageCollection = {{"E&xit", {"exit", "exit"}}, {"_checkmark", {"checkmark", ""}}};
    const struct {
        MenuItemFacts facts;
        std::string caption;
        ItemKind kind;
        unsigned state;
        const char* picture;
        bool rightText;
    } rows[] = {
        {{}, "E&xit\tAlt+X", ItemKind::ProgramPicture, 0, "exit24", true},
        {{}, "E&xit", ItemKind::ProgramPicture, st::kChecked, "checkmark24", false},
        {{.submenu = true}, "Notes", ItemKind::Submenu, 0, "n.bmp", false},
        {{.grayed = true}, "...", ItemKind::Heading, 0, "", false},
        {{.type = mt::kSeparator}, "", ItemKind::Separator, st::kChecked, "", false},
        {{.type = mt::kMenuBreak}, "|", ItemKind::ColumnBreak, 0, "", false},
        {{}, "Notepad\tx", ItemKind::Item, 0, "", true},
    };
    for (const auto& r : rows) {
        const auto record =
            RecordPopupItem(r.facts, r.caption, state.ImageCollection, sources, 144);
        EXPECT_EQ(record.kind, r.kind) << r.caption;
        EXPECT_EQ(AccessibleName(record), r.kind == ItemKind::ColumnBreak ? "" : r.caption);
        const auto request = RequestMenuItem(record, r.state, {}, state, sources, {});
        EXPECT_EQ(request.icon.picture, r.picture) << r.caption;
        EXPECT_EQ(request.input.hasIcon, *r.picture != '\0') << r.caption;
        EXPECT_EQ(request.input.hasRightText, r.rightText) << r.caption;
    }
}

// High contrast outranks the menu file, which outranks the app theme; only a four-byte DWORD 0
// means dark, and the light look is the file's colours exactly, with nothing added.
TEST(MenuColorsDecision, HighContrastThenTheFileThenTheAppTheme) {
    using Value = platform::RegistryValue;
    const Value dark{platform::kRegistryDword, {0, 0, 0, 0}};
    constexpr RgbColor kFile = 0x00E0FFFF, kDark = 0x2B2B2B, kThemed = 0x202020, kSystem = 0x123456;
    const struct {
        const char* name;
        bool colorsSet, useSkin, highContrast, themeData;
        std::optional<Value> value;
        RgbColor background;
    } rows[] = {
        {"missing", false, false, false, false, std::nullopt, kFile},
        {"0", false, false, false, false, dark, kDark},
        {"0, theme data", false, false, false, true, dark, kThemed},
        {"1", false, false, false, false, Value{4, {1, 0, 0, 0}}, kFile},
        {"string", false, false, false, false, Value{1, {'0', 0}}, kFile},
        {"short", false, false, false, false, Value{4, {0, 0}}, kFile},
        {"skin", false, true, false, false, dark, kFile},
        {"high contrast", true, true, true, false, dark, kSystem},
    };
    for (const auto& r : rows) {
        const MenuSettings settings{
            .BGMenuColor = kFile, .ColorsSet = r.colorsSet, .UseSkin = r.useSkin};
        fakes::FakeSystemLook look;
        look.lightTheme = r.value;
        look.highContrast = r.highContrast;
        look.systemColors = {kSystem, 1, 2, 3, 4};
        if (r.themeData) look.darkMenus.background = kThemed;
        const MenuColors colors = DecideMenuColors(settings, look);
        EXPECT_EQ(colors.BGMenuColor, r.background) << r.name;
        EXPECT_EQ(colors.grayedText.has_value(), r.background != kFile) << r.name;
        EXPECT_EQ(colors.darkPictures, r.background != kFile) << r.name;
    }
}

// Pixels are premultiplied BGRA. Only pictures without colour are turned light; the disabled
// look keeps the shape (alpha) and loses the colour.
TEST(Pictures, GreyOnesLightenDisabledOnesKeepTheirShapeAndHeadersGiveSizes) {
    const struct {
        const char* name;
        PixelRow pixels, lightened;
    } rows[] = {
        {"black cross", {0xFF000000, 0}, {0xFFFFFFFF, 0}},
        {"half-transparent grey", {0x80202020, 0x00000000}, {0x80606060, 0}},
        {"blue frame", {0xFF0000C0, 0xFF000000}, {0xFF0000C0, 0xFF000000}},
    };
    for (const auto& r : rows) {
        PixelRow pixels = r.pixels;
        LightenGreyPicture(pixels);
        EXPECT_EQ(pixels, r.lightened) << r.name;
    }
    const PixelRow greyed = GreyedPicture({0xFF0000FF, 0x00000000, 0xFFFFFFFF});
    EXPECT_EQ(greyed[1], 0u);
    for (const auto p : {greyed[0], greyed[2]}) {
        EXPECT_EQ(p & 0xFFFFFF, (p & 0xFF) * 0x010101);  // grey: blue, green and red alike
        EXPECT_GT(p >> 24, 0u);
    }
    EXPECT_LT(greyed[0] & 0xFF, greyed[2] & 0xFF);  // blue darker than white

    // Laid over red, partly outside the canvas on the right and bottom, then on the left.
    constexpr std::uint32_t red = 0xFFFF0000;
    PixelRow canvas(6, red);
    const PixelRow picture{0x80000080, 0xFF00FF00, 0, 0};
    BlendOver(canvas, 3, picture, 2, 2, 1);
    BlendOver(canvas, 3, picture, 2, -1, 0);
    EXPECT_EQ(canvas, (PixelRow{0xFF00FF00, red, red, red, red, 0xFF7F0080}));

    // Sizes as the files' first bytes give them; nothing for what is cut short or not a picture.
    using namespace std::string_literals;
    const std::string png = "\x89PNG\r\n\x1A\n\0\0\0\x0DIHDR\0\0\x04\0\0\0\x02\x01"s;
    const std::string bmp = "BM"s + std::string(12, '\0') + "\x28\0\0\0\x10\0\0\0\xF0\xFF\xFF\xFF"s;
    const std::string core = "BM"s + std::string(12, '\0') + "\x0C\0\0\0\x20\0\x08\0"s;
    const std::string jpeg =
        "\xFF\xD8\xFF\xE0\0\x04\0\0\xFF\xFF\xC4\0\x02\xFF\xC2\0\x0B\x08\x01\x2C\x02\x58\x03"s;
    const struct {
        std::string bytes;
        std::optional<IconSize> size;
    } cases[] = {
        {png, IconSize{1024, 513}},
        {png.substr(0, 23), std::nullopt},
        {bmp, IconSize{16, 16}},  // drawn from the top: a negative height
        {core, IconSize{32, 8}},
        {"GIF89a\x30\0\x10\0"s, IconSize{48, 16}},
        {"\0\0\1\0\2\0\0\x30"s, IconSize{256, 48}},
        {"\0\0\1\0\0\0\x10\x10"s, std::nullopt},  // no frame
        {jpeg, IconSize{600, 300}},  // after a segment and a fill byte, not the Huffman table's
        {jpeg.substr(0, 20), std::nullopt},
        {"\xFF\xD8\x12\x34"s + std::string(20, '\0'), std::nullopt},
        {"not a picture at all, but long enough"s, std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(PictureSizeOfHeader(c.bytes), c.size) << c.bytes;
}

}  // namespace
}  // namespace kov
