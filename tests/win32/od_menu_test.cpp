// The owner-draw hook on a real window: conversion, access keys, and items painted into memory
// device contexts whose pixels and GDI objects are counted.
#include "odmenu/win32/od_menu_hook.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>

#include "odmenu/od_menu_tables.h"
#include "odmenu/win32/convert_menu.h"
#include "odmenu/win32/draw_item_win32.h"
#include "odmenu/win32/measure_item_win32.h"
#include "platform/win32/handles.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_pictures.h"
#include "tests/win32/gdi_count.h"
#include "tests/win32/temp_folder.h"

namespace kov::win32 {
namespace {

constexpr COLORREF kBG = RGB(240, 240, 200), kOutside = RGB(255, 0, 255);

// A 32-bit bitmap in a memory context, filled with one colour, whose pixels can be read.
class Canvas {
  public:
    Canvas(int width, int height)
        : dc_(CreateCompatibleDC(nullptr)),
          bitmap_(CreateBitmap(width, height, 1, 32, nullptr)),
          selected_(dc_.get(), bitmap_.get()) {
        const RECT all{0, 0, width, height};
        const UniqueBrush brush(CreateSolidBrush(kOutside));
        FillRect(dc_.get(), &all, brush.get());
    }
    HDC dc() const { return dc_.get(); }
    COLORREF Pixel(int x, int y) const { return GetPixel(dc_.get(), x, y); }
    // How many pixels of the area have the colour.
    int Count(RECT area, COLORREF colour) const {
        int count = 0;
        for (int y = area.top; y < area.bottom; ++y) {
            for (int x = area.left; x < area.right; ++x) count += Pixel(x, y) == colour;
        }
        return count;
    }

  private:
    UniqueMemoryDC dc_;
    UniqueBitmap bitmap_;
    SelectedObject selected_;
};

// The program picture's frame colour, give or take the expansion of its 16-bit pixels.
bool IsBlue(COLORREF c) {
    return GetBValue(c) > 140 && GetRValue(c) < 60 && GetGValue(c) < 90;
}

std::string ResourceFile(const std::string& name) {
    std::string path = std::string(KOV_TEST_DATA) + "/../../resources/" + name;
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

class OwnerDrawn : public ::testing::Test {
  protected:
    void SetUp() override {
        settings.BGMenuColor = kBG;
        settings.SelBGMenuColor = RGB(40, 120, 200);
        settings.TextColor = RGB(0, 0, 0);
        settings.SelTextColor = RGB(255, 255, 255);
        window = CreateWindowExW(0, L"STATIC", L"KOV", WS_OVERLAPPEDWINDOW, 0, 0, 200, 200, nullptr,
                                 nullptr, GetModuleHandleW(nullptr), nullptr);
        originalProc = GetWindowLongPtrW(window, GWLP_WNDPROC);
        hook.emplace(window);
        hook->HookODMenu(sources);
        hook->AddImage("KOV", {"kovpic", "kovmask"});
        hook->AddImage("_checkmark", {"checkmark", "checkmark"});
        hook->AddImage("E&xit", {"exit", "exit"});
        menu.reset(CreatePopupMenu());
    }
    void TearDown() override {
        hook.reset();
        DestroyWindow(window);
    }

    void Add(const char* text, UINT id, UINT flags = MF_STRING) {
        AppendMenuW(menu.get(), flags, id, text ? Widen(text).c_str() : nullptr);
    }
    void Convert(HMENU popup = nullptr) {
        SendMessageW(window, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup ? popup : menu.get()),
                     0);
    }
    SIZE Measure(UINT id) {
        MEASUREITEMSTRUCT item{ODT_MENU, 0, id, 0, 0, 0};
        SendMessageW(window, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&item));
        return {static_cast<LONG>(item.itemWidth), static_cast<LONG>(item.itemHeight)};
    }
    DRAWITEMSTRUCT Item(const Canvas& canvas, UINT id, RECT rect, UINT state) {
        return {ODT_MENU,    0,    id, ODA_DRAWENTIRE, state, reinterpret_cast<HWND>(menu.get()),
                canvas.dc(), rect, 0};
    }
    void Draw(const Canvas& canvas, UINT id, RECT rect, UINT state = 0) {
        DRAWITEMSTRUCT item = Item(canvas, id, rect, state);
        SendMessageW(window, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&item));
    }
    static UINT Type(HMENU popup, UINT position) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE;
        GetMenuItemInfoW(popup, position, TRUE, &info);
        return info.fType;
    }

    MenuSettings settings;
    CustomIconTable customIcons;
    std::optional<MenuFont> menuFont = MenuFont{"Tahoma", 8, false, false};
    OwnerDrawSources sources{settings, customIcons, menuFont};
    HWND window = nullptr;
    LONG_PTR originalProc = 0;
    std::optional<Win32OwnerDrawHook> hook;
    UniqueMenu menu;
};

TEST_F(OwnerDrawn, HookingChainsTheProcedureAndUnhookingPutsItBack) {
    EXPECT_EQ(GetWindowLongPtrW(window, GWLP_WNDPROC),
              reinterpret_cast<LONG_PTR>(&ODMenuWindowProc));
    EXPECT_EQ(reinterpret_cast<LONG_PTR>(GetPropW(window, L"ODMenuOrigProc")), originalProc);
    hook->UnhookODMenu();
    EXPECT_EQ(GetWindowLongPtrW(window, GWLP_WNDPROC), originalProc);
    EXPECT_EQ(GetPropW(window, L"ODMenuOrigProc"), nullptr);
    hook->UnhookODMenu();  // a second time changes nothing
    EXPECT_EQ(GetWindowLongPtrW(window, GWLP_WNDPROC), originalProc);
}

// Windows sends WM_MENUCHAR for owner-drawn items (Wine matches their retained text itself).
// Monochrome masks and pictures are expanded with black and white, not the item's colours.
TEST_F(OwnerDrawn, ConvertedItemsKeepCaptionsAccessKeysAndPictureMasks) {
    settings.BGMenuColor = RGB(255, 255, 224);
    settings.TextColor = RGB(255, 255, 255);
    customIcons["Edit"] = {ResourceFile("editpic.bmp"), ResourceFile("editmask.bmp")};
    customIcons["Plain"] = {ResourceFile("editpic.bmp"), ""};
    customIcons["Broken"] = {ResourceFile("make_resources.py"), ""};
    const char* captions[] = {"KOV",
                              "E&xit",
                              "Edit",
                              "Plain",
                              "Broken",
                              "|Open\tCtrl+O",
                              "&\xD0\x92\xD1\x8B\xD1\x85\xD0\xBE\xD0\xB4"};  // a Cyrillic key
    for (UINT id = 1; id <= 7; ++id) Add(captions[id - 1], id);
    Add(nullptr, 0, MF_SEPARATOR);
    Convert();
    Convert();  // again: nothing changes, the captions stay
    EXPECT_EQ(Type(menu.get(), 0), static_cast<UINT>(MFT_OWNERDRAW));
    EXPECT_EQ(Type(menu.get(), 5), static_cast<UINT>(MFT_OWNERDRAW | MFT_MENUBREAK));
    EXPECT_EQ(Type(menu.get(), 7), static_cast<UINT>(MFT_OWNERDRAW | MFT_SEPARATOR));
    EXPECT_GT(Measure(6).cx, Measure(4).cx);  // "Open Ctrl+O" is wider than "Plain"
    const HMENU system = GetSystemMenu(window, FALSE);
    Convert(system);
    EXPECT_EQ(Type(system, 0) & MFT_OWNERDRAW, 0u);
    for (const auto& [key, position] : {std::pair{L'x', 1}, std::pair{L'\u0432', 6}}) {
        const LRESULT result = SendMessageW(window, WM_MENUCHAR, MAKEWPARAM(key, MF_POPUP),
                                            reinterpret_cast<LPARAM>(menu.get()));
        EXPECT_EQ(result, MAKELRESULT(position, MNC_EXECUTE)) << int(key);
    }

    EXPECT_EQ(Measure(3).cy, 22);
    EXPECT_LT(Measure(5).cy, 22);
    Canvas canvas(150, 110);
    for (UINT id = 1; id <= 5; ++id) {
        const int top = static_cast<int>(id - 1) * 22;
        Draw(canvas, id, {0, top, 150, top + 22});
    }
    const COLORREF bg = settings.BGMenuColor;
    EXPECT_EQ(canvas.Pixel(1, 1), bg);
    EXPECT_TRUE(IsBlue(canvas.Pixel(4, 5)));                    // the program picture
    EXPECT_EQ(canvas.Pixel(1, 23), bg);                         // Exit's transparent corner
    EXPECT_GT(canvas.Count({2, 22, 18, 44}, RGB(0, 0, 0)), 0);  // and its drawing
    EXPECT_EQ(canvas.Pixel(2, 47), bg);                         // transparent through the mask
    EXPECT_EQ(canvas.Pixel(2, 69), RGB(255, 255, 255));         // copied as it is
    EXPECT_EQ(canvas.Count({0, 88, 20, 110}, bg), 20 * 22);     // an empty icon cell
}

TEST_F(OwnerDrawn, SkinPatternRunsOnAcrossItems) {
    settings.UseSkin = true;
    const auto selected = ResourcePicture("SKINSELECTED");
    ASSERT_TRUE(selected);
    ASSERT_EQ(selected->Width(), 28);
    ASSERT_EQ(selected->Height(), 20);
    hook->SetSkinPictures(ResourcePicture("SKINBACKGROUND"), selected);
    Add("", 1);
    Add("", 2);
    Convert();
    // Items without text, selected, so that the selected skin covers them whole and repeats
    // every 28 by 20 pixels across the border of the items.
    Canvas canvas(120, 44);
    Draw(canvas, 1, {0, 0, 120, 22}, ODS_SELECTED);
    Draw(canvas, 2, {0, 22, 120, 44}, ODS_SELECTED);
    int mismatches = 0;
    for (int y = 0; y < 24; ++y) {
        for (int x = 0; x < 92; ++x) {
            mismatches += canvas.Pixel(x, y) != canvas.Pixel(x + 28, y);
            mismatches += canvas.Pixel(x, y) != canvas.Pixel(x, y + 20);
        }
    }
    EXPECT_EQ(mismatches, 0);
    EXPECT_NE(canvas.Pixel(0, 0), canvas.Pixel(0, 10));  // not one colour
    EXPECT_NE(canvas.Pixel(0, 0), kOutside);
    // Not selected: the normal skin, grey behind the icon column and white after it.
    Canvas normal(120, 22);
    Draw(normal, 1, {0, 0, 120, 22});
    EXPECT_EQ(normal.Pixel(5, 5), RGB(236, 236, 236));
    EXPECT_EQ(normal.Pixel(60, 5), RGB(255, 255, 255));
}

// Every GDI object a message creates is gone when it ends, at every DPI and on the error paths:
// missing and broken pictures, pictures of one pixel and too large to stretch, a skin smaller
// than an item, fonts of no, negative and huge size.
// At 144 DPI (150 %) the program's pictures come at 24 pixels and files are scaled.
TEST_F(OwnerDrawn, GdiObjectsReturnToTheirCountAndPicturesScale) {
    ODMenuState state;
    ODMenuContext context{state, sources};
    const auto measure = [&](UINT id) {
        return MeasureMenuItem(window, static_cast<std::int32_t>(id), 0, context).height;
    };
    const auto draw = [&](const Canvas& canvas, UINT id, int height, UINT itemState) {
        DrawMenuItem(window, Item(canvas, id, {id % 2 ? 0 : 10, 0, 300, height}, itemState),
                     context);
    };
    const testing::TempFolder folder;
    testing::WriteBitmap(folder / "tiny.bmp", 1, 1);
    testing::WriteBitmap(folder / "huge.bmp", 600, 600);
    customIcons["Tiny"] = {folder / "tiny.bmp", ""};
    customIcons["Huge"] = {folder / "huge.bmp", folder / "huge.bmp"};
    customIcons["Edit"] = {ResourceFile("editpic.bmp"), ResourceFile("editmask.bmp")};
    customIcons["Missing"] = {ResourceFile("missing.bmp"), ResourceFile("missing.bmp")};
    customIcons["Broken"] = {ResourceFile("make_resources.py"), ""};
    state.ImageCollection.emplace("KOV", ImagePair{"kovpic", "kovmask"});
    state.ImageCollection.emplace("E&xit", ImagePair{"exit", "exit"});
    settings.UseSkin = true;
    const char* captions[] = {"KOV",  "E&xit",        "Edit", "Missing", "Broken",
                              "Tiny", "Open\tCtrl+O", "|",    "Huge"};
    UINT id = 1;
    for (const char* caption : captions) Add(caption, id++);
    Add(nullptr, 0, MF_SEPARATOR);
    Canvas canvas(300, 33);
    const auto cycle = [&](int dpi, bool checkmarkSkin) {
        state.dpi = dpi;
        state.SkinBackgroundPicture =
            ResourcePicture(checkmarkSkin ? "CHECKMARK" : "SKINBACKGROUND");
        state.SkinSelectedPicture = ResourcePicture(checkmarkSkin ? "CHECKMARK" : "SKINSELECTED");
        ConvertPopupMenu(menu.get(), window, state);
        for (UINT item = 0; item < id; ++item) {
            const int height = std::min(measure(item), 33);
            EXPECT_GT(height, 0) << item << " at " << dpi;
            for (UINT itemState :
                 {0u, UINT{ODS_SELECTED}, UINT{ODS_CHECKED | ODS_SELECTED}, UINT{ODS_DISABLED}})
                draw(canvas, item, height, itemState);
        }
    };
    cycle(96, false);  // first use loads what the system keeps for good
    const auto before = testing::GdiObjectCount();
    ASSERT_GT(before, 0u) << "no way to count GDI objects here";
    for (int i = 0; i < 3; ++i) cycle(96, false);
    cycle(144, false);
    EXPECT_EQ(measure(1), 24 + 9);
    EXPECT_EQ(measure(3), 24 + 9);  // a 16-pixel file
    // The 24-pixel picture at (3, 4): transparent corner, blue frame from its third pixel on.
    draw(canvas, 1, 33, 0);
    EXPECT_FALSE(IsBlue(canvas.Pixel(4, 5)));
    EXPECT_TRUE(IsBlue(canvas.Pixel(5, 6)));
    EXPECT_TRUE(IsBlue(canvas.Pixel(24, 25)));
    EXPECT_FALSE(IsBlue(canvas.Pixel(26, 27)));
    state.dpi = 192;
    EXPECT_EQ(measure(id - 1), 600 + 12);  // too large to stretch: drawn at its own size
    for (const double points : {0.0, -5.0, 500.0}) {
        menuFont->FontSize = points;
        cycle(192, true);
    }
    EXPECT_EQ(testing::GdiObjectCount(), before);
    // The count does see objects that are not deleted.
    HBRUSH leaked = CreateSolidBrush(0);
    EXPECT_EQ(testing::GdiObjectCount(), before + 1);
    DeleteObject(leaked);
}

}  // namespace
}  // namespace kov::win32
