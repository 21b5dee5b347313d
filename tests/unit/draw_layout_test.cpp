// Where each part of an owner-drawn item is painted.
#include "odmenu/draw_layout.h"

#include <gtest/gtest.h>

#include "odmenu/item_icon.h"
#include "odmenu/measure_item.h"
#include "odmenu/menu_font.h"

namespace kov {
namespace {

namespace st = item_state;
using K = Brush::Kind;

constexpr RgbColor kWhite = 0xFFFFFF, kGrey = 0xC8C8C8, kBlack = 0, kRed = 0xFF, kBlue = 0xFF0000;

class Layout : public ::testing::Test {
  protected:
    DrawPlan Plan(unsigned state, bool hasIcon = true) {
        input.state = state;
        input.hasIcon = hasIcon;
        input.iconSize = hasIcon ? std::optional<Point>(Point{16, 16}) : std::nullopt;
        return PlanMenuItem(input, look);
    }
    DrawInput input = [] {
        DrawInput in;
        in.item = {0, 40, 150, 62};
        in.captionHeight = 13;
        return in;
    }();
    DrawLook look{kWhite, kGrey, kBlack, kRed, false, false, false};
};

TEST_F(Layout, PlainItemWithIcon) {
    const auto plan = Plan(0);
    EXPECT_EQ(plan.background, (Brush{K::Solid, kWhite}));
    EXPECT_EQ(plan.backgroundRect, (Rect{0, 0, 150, 22}));
    EXPECT_EQ(plan.brushOrigin, (Point{0, -40}));
    EXPECT_TRUE(plan.drawTexts);
    EXPECT_EQ(plan.captionAt, (Point{26, 4}));  // (22 - 13) / 2 = 4.5, to the even 4
    EXPECT_EQ(plan.iconAt, (Point{2, 3}));
    EXPECT_FALSE(plan.highlight);
    EXPECT_FALSE(plan.raisedFrame);
    EXPECT_FALSE(plan.rightTextAt);
    EXPECT_FALSE(plan.columnGap);
    EXPECT_EQ(plan.textColor, kBlack);
    EXPECT_EQ(plan.backColor, kWhite);
}

TEST_F(Layout, SelectionHighlightsFromTheIconCellOrWhole) {
    const struct {
        unsigned state;
        bool hasIcon;
        std::optional<Rect> highlight;
        std::optional<Rect> frame;
        RgbColor text;
        RgbColor back;
        bool disabled;
    } cases[] = {
        {st::kSelected, true, Rect{20, 0, 150, 22}, Rect{0, 0, 20, 22}, kRed, kGrey, false},
        {st::kSelected, false, Rect{0, 0, 150, 22}, std::nullopt, kRed, kGrey, false},
        // Disabled: no highlight and no frame, but the selected text colours.
        {st::kSelected | st::kDisabled, true, std::nullopt, std::nullopt, kRed, kGrey, true},
        {st::kDisabled, true, std::nullopt, std::nullopt, kBlack, kWhite, true},
        // A checked item shows the check mark without the raised frame.
        {st::kSelected | st::kChecked, true, Rect{20, 0, 150, 22}, std::nullopt, kRed, kGrey,
         false},
    };
    for (const auto& c : cases) {
        const auto plan = Plan(c.state, c.hasIcon);
        EXPECT_EQ(plan.highlight, c.highlight) << c.state;
        EXPECT_EQ(plan.raisedFrame, c.frame) << c.state;
        EXPECT_EQ(plan.textColor, c.text) << c.state;
        EXPECT_EQ(plan.backColor, c.back) << c.state;
        EXPECT_EQ(plan.disabled, c.disabled) << c.state;
        if (plan.highlight) {
            EXPECT_EQ(plan.highlightBrush, (Brush{K::Solid, kGrey}));
        }
    }
}

TEST_F(Layout, DisabledIconIsCentredInItsCellAndEnabledSitsAtTwo) {
    input.iconSize = Point{12, 10};
    input.hasIcon = true;
    input.state = st::kDisabled;
    EXPECT_EQ(PlanMenuItem(input, look).iconAt, (Point{4, 6}));
    input.state = 0;
    EXPECT_EQ(PlanMenuItem(input, look).iconAt, (Point{2, 6}));
}

TEST_F(Layout, NoIconsMovesTextAndCheckMarkLeft) {
    look.NoIcons = true;
    const auto plan = Plan(st::kChecked);
    EXPECT_EQ(plan.captionAt.x, 6);
    EXPECT_EQ(plan.iconAt, (Point{2, 3}));
    EXPECT_EQ(Plan(st::kSelected, false).highlight, (Rect{0, 0, 150, 22}));
}

TEST_F(Layout, RightHandTextEndsTenPixelsBeforeTheEdge) {
    input.hasRightText = true;
    input.rightTextWidth = 37;
    const auto plan = Plan(0);
    EXPECT_EQ(plan.rightTextAt, (Point{150 - 10 - 37, 4}));
}

TEST_F(Layout, SkinsChooseThePictureByState) {
    look.UseSkin = true;
    look.backgroundSkinExists = true;
    EXPECT_EQ(Plan(0).background.kind, K::BackgroundSkin);
    EXPECT_EQ(Plan(st::kSelected).background.kind, K::BackgroundSkin);
    EXPECT_EQ(Plan(st::kSelected).highlightBrush.kind, K::SelectedSkin);
    EXPECT_EQ(Plan(st::kSelected | st::kChecked).background.kind, K::SelectedSkin);
    EXPECT_EQ(Plan(st::kSelected | st::kChecked | st::kDisabled).background.kind,
              K::BackgroundSkin);
    look.UseSkin = false;
    // Without skins a checked, selected item keeps the normal background colour.
    EXPECT_EQ(Plan(st::kSelected | st::kChecked).background, (Brush{K::Solid, kWhite}));
}

TEST_F(Layout, SeparatorAndColumnMarkDrawOnlyAnEtchedLine) {
    input.item = {0, 10, 100, 16};
    input.separator = true;
    auto plan = Plan(st::kSelected);
    EXPECT_EQ(plan.etchedLine, (Rect{5, 2, 95, 4}));
    EXPECT_FALSE(plan.drawTexts);
    EXPECT_FALSE(plan.highlight);
    input.item = {0, 0, 100, 9};
    EXPECT_EQ(Plan(0).etchedLine, (Rect{5, 4, 95, 7}));  // 3.5 to the even 4
    input.separator = false;
    input.columnMark = true;
    input.item = {0, 0, 41, 19};
    plan = Plan(0);
    EXPECT_EQ(plan.etchedLine, (Rect{18, 0, 22, 19}));  // 18.5 and 22.5 to the even neighbours
    EXPECT_FALSE(plan.drawTexts);
}

TEST_F(Layout, SecondColumnItemsPaintTheGapLeftOfThem) {
    input.item = {154, 22, 300, 44};
    auto plan = Plan(0);
    EXPECT_EQ(plan.columnGap, (Rect{150, 22, 154, 44}));
    EXPECT_EQ(plan.columnGapBrush, (Brush{K::Solid, kWhite}));
    EXPECT_EQ(plan.brushOrigin, (Point{-154, -22}));
    look.UseSkin = true;
    EXPECT_EQ(Plan(0).columnGapBrush, (Brush{K::Solid, kWhite}));  // no picture handed over
    look.backgroundSkinExists = true;
    EXPECT_EQ(Plan(0).columnGapBrush.kind, K::BackgroundSkin);
    input.itemData = 2;
    EXPECT_FALSE(Plan(0).columnGap);
}

// Every pixel distance is its 96-DPI value scaled and rounded half to even; the program's
// pictures come at the size that fits.
TEST(Dpi, LayoutMeasureFontAndPicturesScaleFromNinetySix) {
    const struct {
        int dpi;
        int cell, textX, iconX, rightEnd, pad, line, gap;
        Rect separatorLine;  // in an item 100 wide and pad high
        const char* picture;
        long fontHeight;  // 9 points
    } rows[] = {
        {96, 20, 26, 2, 140, 6, 1, 4, {5, 2, 95, 4}, "kovpic", -12},
        {120, 25, 33, 2, 138, 8, 1, 5, {6, 3, 94, 6}, "kovpic20", -15},
        {144, 30, 39, 3, 135, 9, 2, 6, {8, 2, 92, 5}, "kovpic24", -18},
        {192, 40, 52, 4, 130, 12, 2, 8, {10, 4, 90, 8}, "kovpic32", -24},
    };
    const DrawLook look{kWhite, kGrey, kBlack, kRed, false, false, false};
    for (const auto& r : rows) {
        const int side = DrawnIconSize(IconSource::Kind::Resource, {16, 16}, r.dpi).width;
        const ItemSize size = MeasuredItemSize("Exit", {30, 13}, side, false, 0, r.dpi);
        EXPECT_EQ(size, (ItemSize{30 + r.pad + r.cell, std::max(side, 13) + r.pad})) << r.dpi;
        DrawInput in;
        in.dpi = r.dpi;
        in.item = {r.gap + 10, 0, r.gap + 160, size.height};
        in.hasIcon = true;
        in.iconSize = Point{side, side};
        in.captionHeight = 13;
        in.hasRightText = true;
        in.rightTextWidth = 0;
        auto plan = PlanMenuItem(in, look);
        EXPECT_EQ(plan.captionAt.x, r.textX) << r.dpi;
        EXPECT_EQ(plan.iconAt, (Point{r.iconX, r.pad / 2})) << r.dpi;
        EXPECT_EQ(plan.rightTextAt->x, r.rightEnd) << r.dpi;
        EXPECT_EQ(plan.columnGap->Width(), r.gap) << r.dpi;
        in.state = item_state::kSelected;
        EXPECT_EQ(PlanMenuItem(in, look).highlight->left, r.cell) << r.dpi;
        in.separator = true;
        in.item = {0, 0, 100, r.pad};
        plan = PlanMenuItem(in, look);
        EXPECT_EQ(plan.etchedLine, r.separatorLine) << r.dpi;
        EXPECT_EQ(plan.lineWidth, r.line) << r.dpi;
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
    EXPECT_EQ(DrawnIconSize(IconSource::Kind::File, {1, 1}, 96), (IconSize{1, 1}));
    EXPECT_EQ(DrawnIconSize(IconSource::Kind::File, {600, 10}, 192), (IconSize{600, 10}));
}

TEST(DrawCaption, ColumnMarkAndRightHandText) {
    EXPECT_TRUE(SplitDrawCaption("|").columnMark);
    EXPECT_EQ(SplitDrawCaption("|").caption, "");
    const auto texts = SplitDrawCaption("Open\tCtrl+O\tx");
    EXPECT_FALSE(texts.columnMark);
    EXPECT_EQ(texts.caption, "Open");
    EXPECT_EQ(texts.rightText, "Ctrl+O\tx");
    EXPECT_EQ(SplitDrawCaption(" |").caption, " |");
}

TEST(MenuBar, FillsTheRestOfWrappedAndLastRows) {
    MenuBarItem previous;
    const int width = 300, last = 668;
    EXPECT_TRUE(MenuBarFills(previous, 666, {0, 0, 60, 20}, width, last).empty());
    EXPECT_TRUE(MenuBarFills(previous, 667, {60, 0, 200, 20}, width, last).empty());
    // 668 wrapped onto a second row and is the last item.
    EXPECT_EQ(MenuBarFills(previous, 668, {0, 20, 80, 40}, width, last),
              (std::vector<Rect>{{200, 0, 300, 20}, {80, 20, 300, 40}}));
    EXPECT_EQ(previous.id, 668);
}

}  // namespace
}  // namespace kov
