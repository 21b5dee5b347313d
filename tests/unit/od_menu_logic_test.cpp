// Conversion, icon choice, fonts and measuring of the owner-drawn items.
#include <gtest/gtest.h>

#include "odmenu/item_icon.h"
#include "odmenu/measure_item.h"
#include "odmenu/menu_conversion.h"
#include "odmenu/menu_font.h"
#include "odmenu/od_menu_tables.h"

namespace kov {
namespace {

namespace mt = menu_types;

TEST(ConvertMenuItem, TypeBitsAndStoredCaptions) {
    using namespace std::string_literals;
    const struct {
        unsigned type;
        std::string text;
        unsigned expectedType;
        std::string caption;
    } cases[] = {
        {0, "&Notepad\0"s, mt::kOwnerDraw, "&Notepad"},
        {0, "|Tools\0"s, mt::kOwnerDraw | mt::kMenuBreak, "Tools"},
        // Spaces before the bar: the first character goes, the bar stays, a column still starts.
        {0, "  |Tools\0"s, mt::kOwnerDraw | mt::kMenuBreak, " |Tools"},
        {0, "Open\tCtrl+O\0"s, mt::kOwnerDraw, "Open\tCtrl+O"},
        {mt::kSeparator, std::string(128, '\0'), mt::kSeparator | mt::kOwnerDraw, ""},
        // Read again once owner-drawn: no text, the bits are ORed once more.
        {mt::kOwnerDraw | mt::kMenuBreak, std::string(128, '\0'), mt::kOwnerDraw | mt::kMenuBreak,
         ""},
        {0, std::string(127, 'x'), mt::kOwnerDraw, ""},  // no NUL in the buffer
        {0, "Tools|\0"s, mt::kOwnerDraw, "Tools|"},
    };
    for (const auto& c : cases) {
        const auto item = ConvertMenuItem(c.type, c.text);
        EXPECT_EQ(item.type, c.expectedType) << c.text;
        EXPECT_EQ(item.caption, c.caption) << c.text;
    }
}

TEST(ToolbarClassName, LowerCaseToolbarAfterTheFirstCharacter) {
    EXPECT_TRUE(IsToolbarClassName("Mytoolbar"));
    EXPECT_TRUE(IsToolbarClassName("xtoolbar"));
    EXPECT_FALSE(IsToolbarClassName("ToolbarWindow32"));
    EXPECT_FALSE(IsToolbarClassName("toolbarX"));
    EXPECT_FALSE(IsToolbarClassName("toolbar_toolbar"));  // the first match decides
    EXPECT_FALSE(IsToolbarClassName("#32768"));
}

TEST(Tables, CaptionKeysAndTheProgramPicturesInOrder) {
    EXPECT_EQ(ItemCaptionKey(12, 500), "M12-500");
    EXPECT_EQ(ItemCaptionKey(-103, 65814), "M-103-65814");
    const std::string settings = "&Inställningar", edit = "Edit the menu", about = "&About...",
                      help = "&Help", exit = "E&xit";
    const auto entries = ProgramImageEntries("KOV", {settings, edit, about, help, exit});
    std::string keys;
    for (const auto& e : entries)
        keys += e.key + "=" + e.images.picture + "/" + e.images.mask + " ";
    EXPECT_EQ(keys,
              "KOV=kovpic/kovmask _checkmark=checkmark/checkmark E&xit=exit/exit "
              "&Inställningar=settingspic/settingsmask Edit the menu=editpic/editmask "
              "&About...=aboutpic/aboutmask &Help=helppic/helpmask ");
}

class IconChoice : public ::testing::Test {
  protected:
    ImageTable images{{"_checkmark", {"checkmark", "checkmark"}},
                      {"E&xit", {"exit", "exit"}},
                      {"kov", {"kovpic", "kovmask"}}};
    CustomIconTable custom{{"&Notepad", {"C:\\n.bmp", "C:\\nm.bmp"}}, {"E&XIT", {"C:\\x.bmp", ""}}};
    using K = IconSource::Kind;
};

TEST_F(IconChoice, ProgramPicturesComeBeforeCustomIconsAndKeysIgnoreCase) {
    const struct {
        const char* key;
        bool checked;
        bool noIcons;
        K kind;
        const char* picture;
        const char* mask;
    } cases[] = {
        {"e&XIT", false, false, K::Resource, "exit", "exit"},
        {"KOV", false, false, K::Resource, "kovpic", "kovmask"},
        {"&notepad", false, false, K::File, "C:\\n.bmp", "C:\\nm.bmp"},
        {"Other", false, false, K::None, "", ""},
        {"&Notepad", false, true, K::None, "", ""},
        // Checked items show the check mark, even with icons off, instead of their own icon.
        {"&Notepad", true, false, K::Resource, "checkmark", "checkmark"},
        {"Other", true, true, K::Resource, "checkmark", "checkmark"},
    };
    for (const auto& c : cases) {
        const auto icon = DrawIcon(c.key, c.checked, images, custom, c.noIcons, 96);
        EXPECT_EQ(icon.kind, c.kind) << c.key;
        EXPECT_EQ(icon.picture, c.picture) << c.key;
        EXPECT_EQ(icon.mask, c.mask) << c.key;
    }
    // The measure never reserves room for the check mark.
    EXPECT_EQ(MeasureIcon("Other", images, custom, false, 96).kind, K::None);
    EXPECT_EQ(MeasureIcon("&Notepad", images, custom, false, 96).kind, K::File);
    EXPECT_EQ(DrawIcon("x", true, {}, custom, false, 96).kind, K::None);
}

TEST(Measure, TabBecomesABlankAndTheIconKeyStopsAtIt) {
    EXPECT_EQ(TextToMeasure("Open\tCtrl+O"), "Open Ctrl+O");
    EXPECT_EQ(TextToMeasure("a\tb\tc"), "a b\tc");
    EXPECT_EQ(SplitAtTab("Open\tCtrl+O").left, "Open");
    EXPECT_EQ(SplitAtTab("Open\tCtrl+O").right, "Ctrl+O");
    EXPECT_EQ(SplitAtTab("Open").right, "");
}

TEST(Measure, SizesFromTextIconAndSwitches) {
    const struct {
        const char* caption;
        ItemSize text;
        int icon;
        bool noIcons;
        std::uintptr_t data;
        ItemSize expected;
    } cases[] = {
        {"Exit", {30, 13}, 16, false, 0, {56, 22}},  // built-in 16x16 icon
        {"Item", {40, 13}, 0, false, 0, {66, 19}},   // no icon: text height + 6
        {"Item", {40, 13}, 16, true, 0, {46, 19}},   // no icon cell, icon height ignored
        {"Big", {20, 13}, 48, false, 0, {46, 54}},   // a tall custom icon
        {"", {0, 13}, 0, false, 0, {26, 6}},         // separator
        {"Bar", {25, 13}, 0, false, 2, {31, 19}},    // menu-bar item: no icon cell
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MeasuredItemSize(c.caption, c.text, c.icon, c.noIcons, c.data, 96), c.expected)
            << c.caption;
    }
}

TEST(MenuFont, PointsBecomePixelsThroughTheDeviceResolution) {
    LogFont system;
    system.height = -11;
    system.weight = 400;
    system.charSet = 1;
    system.quality = 5;
    system.escapement = 7;
    system.faceName = "MS Shell Dlg";
    const struct {
        double size;
        int dpi;
        long height;
    } sizes[] = {{12, 96, -16}, {9, 96, -12},  {8, 96, -11},  {10, 120, -17},
                 {9, 120, -15}, {8, 144, -16}, {7.5, 96, -10}};
    for (const auto& s : sizes) {
        const auto font = MenuFontRequest(system, MenuFont{"Tahoma", s.size, true, true}, s.dpi);
        EXPECT_EQ(font.height, s.height) << s.size << " pt at " << s.dpi;
        EXPECT_EQ(font.faceName, "Tahoma");
        EXPECT_EQ(font.weight, 700);
        EXPECT_EQ(font.italic, 1);
        EXPECT_EQ(font.charSet, 1);  // the rest comes from the system's font
        EXPECT_EQ(font.quality, 5);
        EXPECT_EQ(font.escapement, 7);
    }
    const auto plain = MenuFontRequest(system, MenuFont{"Arial", 8, false, false}, 96);
    EXPECT_EQ(plain.weight, 400);
    EXPECT_EQ(plain.italic, 0);
}

TEST(MenuFont, BeforeTheMenuFileTheSystemFontIsScaledAsItIs) {
    LogFont system;
    system.height = -12;
    system.weight = 600;
    system.faceName = "Segoe UI";
    auto expected = system;
    expected.height = 16;  // positive: a cell height
    EXPECT_EQ(MenuFontRequest(system, std::nullopt, 96), expected);
    system.height = -11;
    EXPECT_EQ(MenuFontRequest(system, std::nullopt, 96).height, 15);  // 14.67
}

}  // namespace
}  // namespace kov
