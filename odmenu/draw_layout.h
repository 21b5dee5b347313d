// Where every part of an owner-drawn item goes: the plan that the platform's painting executes.
// Coordinates are the item's own, (0, 0) to (w, h), except for the column gap and the menu-bar
// fills, which are painted on the menu itself.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "menufile/text_helpers.h"

namespace kov {

namespace item_state {
inline constexpr unsigned kSelected = 0x1;
inline constexpr unsigned kDisabled = 0x4;
inline constexpr unsigned kChecked = 0x8;
inline constexpr unsigned kNoAccel = 0x100;  // access keys are not underlined at the moment
}  // namespace item_state

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool operator==(const Rect&) const = default;
};

// A fill: a solid colour, or one of the two skin pictures as a pattern. A skin that holds no
// picture paints nothing.
struct Brush {
    enum class Kind { Solid, BackgroundSkin, SelectedSkin };
    Kind kind = Kind::Solid;
    RgbColor color = 0;
    bool operator==(const Brush&) const = default;
};

// The caption as drawn: a lone "|" marks a column and draws no text; a TAB separates the
// right-hand text.
struct DrawTexts {
    bool columnMark = false;
    std::string caption;
    std::string rightText;
};
DrawTexts SplitDrawCaption(std::string_view caption);

struct DrawLook {
    RgbColor BGMenuColor = 0;
    RgbColor SelBGMenuColor = 0;
    RgbColor TextColor = 0;
    RgbColor SelTextColor = 0;
    bool UseSkin = false;
    bool NoIcons = false;
    bool backgroundSkinExists = false;  // a normal skin picture was handed to the drawing
    // None: disabled texts embossed and separators etched, the light look.
    std::optional<RgbColor> grayedText;
    std::optional<RgbColor> separator;
};

struct DrawInput {
    int dpi = 96;
    Rect item;  // where the item sits on the menu
    unsigned state = 0;
    bool menuBarItem = false;
    bool separator = false;
    bool columnMark = false;
    bool hasRightText = false;
    bool hasIcon = false;   // an icon source was chosen (loading may still fail)
    int captionHeight = 0;  // extent of the caption with the item's font
    int rightTextWidth = 0;
    std::optional<Point> iconSize;  // the size the loaded picture is drawn at
};

struct DrawPlan {
    Brush background;
    Point brushOrigin;
    Rect backgroundRect;
    // Etched lines: a separator's, or the short stroke of a column mark: a dark and a light line
    // from the top of the rectangle down, each lineWidth thick, as is the raised frame. With a
    // line colour, one line of it instead.
    std::optional<Rect> etchedLine;
    int lineWidth = 1;
    std::optional<RgbColor> lineColor;
    bool drawTexts = false;  // false for separators and column marks
    std::optional<Rect> raisedFrame;
    std::optional<Rect> highlight;
    Brush highlightBrush;
    RgbColor textColor = 0;
    RgbColor backColor = 0;
    bool disabled = false;    // the icon embossed and without its mask
    bool embossText = false;  // disabled without a grayed-text colour
    bool hidePrefix = false;  // "&" still marks the access key, but is not underlined
    Point captionAt;
    std::optional<Point> rightTextAt;
    std::optional<Point> iconAt;
    std::optional<Rect> columnGap;  // on the menu, left of an item in a second or later column
    Brush columnGapBrush;
};

DrawPlan PlanMenuItem(const DrawInput& input, const DrawLook& look);

// The last menu-bar item drawn, to notice when the bar wraps onto a new row.
struct MenuBarItem {
    Rect rect;
    std::int32_t id = 0;
};
inline constexpr std::int32_t kFirstMenuBarItemId = 666;

// The parts of the menu bar right of its items that are painted with the background: the rest
// of a row the bar wrapped from, and the rest of the last row. Updates previous.
std::vector<Rect> MenuBarFills(MenuBarItem& previous, std::int32_t itemId, const Rect& item,
                               int barWidth, std::int32_t lastMenuBarItemId);

}  // namespace kov
