// The owner-draw hook on a real window: conversion, measuring, and items painted into memory
// device contexts whose pixels are read back.
#include "odmenu/win32/od_menu_hook.h"

#include <gtest/gtest.h>

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

constexpr COLORREF kBG = RGB(240, 240, 200), kSelBG = RGB(40, 120, 200), kText = RGB(0, 0, 0),
                   kSelText = RGB(255, 255, 255), kOutside = RGB(255, 0, 255);

// A 24-bit bitmap in a memory context, filled with one colour, whose pixels can be read.
class Canvas {
  public:
    Canvas(int width, int height, COLORREF fill = kOutside)
        : dc_(CreateCompatibleDC(nullptr)),
          bitmap_(MakeBitmap(width, height)),
          selected_(dc_.get(), bitmap_.get()) {
        const RECT all{0, 0, width, height};
        const UniqueBrush brush(CreateSolidBrush(fill));
        FillRect(dc_.get(), &all, brush.get());
    }
    HDC dc() const { return dc_.get(); }
    COLORREF Pixel(int x, int y) const { return GetPixel(dc_.get(), x, y); }
    // Leftmost and rightmost x in [x0, x1) of a pixel that is not the given colour, over all rows.
    std::optional<std::pair<int, int>> InkRange(int x0, int x1, int y0, int y1,
                                                COLORREF background) const {
        std::optional<std::pair<int, int>> range;
        for (int y = y0; y < y1; ++y) {
            for (int x = x0; x < x1; ++x) {
                if (Pixel(x, y) == background) continue;
                if (!range) range = {x, x};
                range->first = std::min(range->first, x);
                range->second = std::max(range->second, x);
            }
        }
        return range;
    }

  private:
    static HBITMAP MakeBitmap(int width, int height) {
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        return CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    }
    UniqueMemoryDC dc_;
    UniqueBitmap bitmap_;
    SelectedObject selected_;
};

// The program picture's frame colour, give or take the expansion of its 16-bit pixels.
bool IsBlue(COLORREF c) {
    return GetBValue(c) > 140 && GetRValue(c) < 60 && GetGValue(c) < 90;
}

HWND MakeWindow() {
    static const ATOM windowClass = [] {
        WNDCLASSW wc{};
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"KovOwnerDrawTest";
        return RegisterClassW(&wc);
    }();
    return CreateWindowExW(0, reinterpret_cast<LPCWSTR>(static_cast<ULONG_PTR>(windowClass)),
                           L"KOV", WS_OVERLAPPEDWINDOW, 0, 0, 200, 200, nullptr, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}

std::string ResourceFile(const std::string& name) {
    std::string path = std::string(KOV_TEST_DATA) + "/../../resources/" + name;
    for (auto& c : path) {
        if (c == '/') c = '\\';
    }
    return path;
}

class OwnerDrawn : public ::testing::Test {
  protected:
    void SetUp() override {
        settings.BGMenuColor = kBG;
        settings.SelBGMenuColor = kSelBG;
        settings.TextColor = kText;
        settings.SelTextColor = kSelText;
        window = MakeWindow();
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
    void Draw(const Canvas& canvas, UINT id, RECT rect, UINT state = 0) {
        DRAWITEMSTRUCT item{ODT_MENU,       0,     id,
                            ODA_DRAWENTIRE, state, reinterpret_cast<HWND>(menu.get()),
                            canvas.dc(),    rect,  0};
        SendMessageW(window, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&item));
    }
    UINT Type(UINT position) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE;
        GetMenuItemInfoW(menu.get(), position, TRUE, &info);
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

TEST_F(OwnerDrawn, UnhookingPutsTheWindowsProcedureBack) {
    EXPECT_NE(GetWindowLongPtrW(window, GWLP_WNDPROC), originalProc);
    hook->UnhookODMenu();
    EXPECT_EQ(GetWindowLongPtrW(window, GWLP_WNDPROC), originalProc);
}

TEST_F(OwnerDrawn, OpeningAPopupConvertsItsItemsButNotTheSystemMenu) {
    Add("|Tools", 1);
    Add(nullptr, 0, MF_SEPARATOR);
    Add("Open\tCtrl+O", 2);
    Convert();
    EXPECT_EQ(Type(0), static_cast<UINT>(MFT_OWNERDRAW | MFT_MENUBREAK));
    EXPECT_EQ(Type(1), static_cast<UINT>(MFT_OWNERDRAW | MFT_SEPARATOR));
    EXPECT_EQ(Type(2), static_cast<UINT>(MFT_OWNERDRAW));
    Convert();  // again: nothing changes, the captions stay
    EXPECT_EQ(Type(0), static_cast<UINT>(MFT_OWNERDRAW | MFT_MENUBREAK));
    // "Open Ctrl+O" is wider than "Tools": the captions were kept under the items' identifiers.
    EXPECT_GT(Measure(2).cx, Measure(1).cx);

    HMENU system = GetSystemMenu(window, FALSE);
    Convert(system);
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE;
    ASSERT_TRUE(GetMenuItemInfoW(system, 0, TRUE, &info));
    EXPECT_EQ(info.fType & MFT_OWNERDRAW, 0u);
}

TEST_F(OwnerDrawn, AccessKeysOfConvertedItemsAreAnswered) {
    Add("&Notepad", 1);
    Add("&New", 2);
    Add("E&xit", 3);
    Add("&\xD0\x92\xD1\x8B\xD1\x85\xD0\xBE\xD0\xB4", 4);  // a Cyrillic key
    Convert();
    const auto typed = [&](wchar_t key) {
        const LRESULT result = SendMessageW(window, WM_MENUCHAR, MAKEWPARAM(key, MF_POPUP),
                                            reinterpret_cast<LPARAM>(menu.get()));
        return std::to_string(HIWORD(result)) + ":" + std::to_string(LOWORD(result));
    };
    EXPECT_EQ(typed('x'), std::to_string(MNC_EXECUTE) + ":2");
    EXPECT_EQ(typed('n'), std::to_string(MNC_SELECT) + ":0");
    EXPECT_EQ(typed('q'), std::to_string(MNC_IGNORE) + ":0");
    EXPECT_EQ(typed(L'\u0432'), std::to_string(MNC_EXECUTE) + ":3");
}

// Monochrome masks and pictures are expanded with black and white, not the item's colours.
TEST_F(OwnerDrawn, IconsKeepTheirTransparencyOnAColouredMenuWithLightText) {
    settings.BGMenuColor = RGB(255, 255, 224);
    settings.TextColor = RGB(255, 255, 255);
    Add("KOV", 1);
    Add("E&xit", 2);
    Convert();
    Canvas canvas(150, 44);
    Draw(canvas, 1, {0, 0, 150, 22});
    Draw(canvas, 2, {0, 22, 150, 44});
    EXPECT_EQ(canvas.Pixel(1, 1), settings.BGMenuColor);
    EXPECT_TRUE(IsBlue(canvas.Pixel(4, 5)));
    EXPECT_EQ(canvas.Pixel(1, 23), settings.BGMenuColor);
    bool black = false;
    for (int y = 22; y < 44; ++y) {
        for (int x = 2; x < 18; ++x) black |= canvas.Pixel(x, y) == RGB(0, 0, 0);
    }
    EXPECT_TRUE(black);  // the exit picture's drawing
}

TEST_F(OwnerDrawn, SkinPatternRunsOnAcrossItems) {
    settings.UseSkin = true;
    const auto background = ResourcePicture("SKINBACKGROUND");
    const auto selected = ResourcePicture("SKINSELECTED");
    ASSERT_TRUE(background && selected);
    EXPECT_EQ(background->Width(), 613);
    EXPECT_EQ(selected->Width(), 28);
    EXPECT_EQ(selected->Height(), 20);
    hook->SetSkinPictures(background, selected);
    Add("", 1);
    Add("", 2);
    Convert();
    // Items without text, selected, so that the selected skin covers them whole.
    Canvas canvas(120, 44);
    Draw(canvas, 1, {0, 0, 120, 22}, ODS_SELECTED);
    Draw(canvas, 2, {0, 22, 120, 44}, ODS_SELECTED);
    Canvas skin(28, 20);
    {
        UniqueMemoryDC source(CreateCompatibleDC(nullptr));
        SelectedObject chosen(source.get(), PictureBitmap(selected));
        BitBlt(skin.dc(), 0, 0, 28, 20, source.get(), 0, 0, SRCCOPY);
    }
    int mismatches = 0;
    for (int y = 0; y < 44; ++y) {
        for (int x = 0; x < 120; ++x)
            mismatches += canvas.Pixel(x, y) != skin.Pixel(x % 28, y % 20);
    }
    EXPECT_EQ(mismatches, 0);
    // Not selected: the normal skin, grey behind the icon column and white after it.
    Canvas normal(120, 22);
    Draw(normal, 1, {0, 0, 120, 22});
    EXPECT_EQ(normal.Pixel(5, 5), RGB(236, 236, 236));
    EXPECT_EQ(normal.Pixel(60, 5), RGB(255, 255, 255));
}

TEST_F(OwnerDrawn, CustomIconsFromFilesWithAndWithoutMask) {
    customIcons["Edit"] = {ResourceFile("editpic.bmp"), ResourceFile("editmask.bmp")};
    customIcons["Plain"] = {ResourceFile("editpic.bmp"), ""};
    customIcons["Broken"] = {ResourceFile("make_resources.py"), ""};
    Add("Edit", 1);
    Add("Plain", 2);
    Add("Broken", 3);
    Convert();
    EXPECT_EQ(Measure(1).cy, 22);
    EXPECT_LT(Measure(3).cy, 22);
    Canvas canvas(150, 66);
    Draw(canvas, 1, {0, 0, 150, 22});
    Draw(canvas, 2, {0, 22, 150, 44});
    Draw(canvas, 3, {0, 44, 150, 66});
    EXPECT_EQ(canvas.Pixel(2, 3), kBG);                  // transparent through the mask
    EXPECT_EQ(canvas.Pixel(2, 25), RGB(255, 255, 255));  // copied as it is
    EXPECT_FALSE(canvas.InkRange(0, 20, 44, 66, kBG));   // an empty icon cell
}

// At 144 DPI (150 %) the program's pictures come at 24 pixels, and stretched skins and icons
// free what they make.
TEST_F(OwnerDrawn, At144DpiPicturesAreStretchedAndFreed) {
    ODMenuState state;
    state.dpi = 144;
    state.ImageCollection.emplace("KOV", ImagePair{"kovpic", "kovmask"});
    customIcons["Edit"] = {ResourceFile("editpic.bmp"), ResourceFile("editmask.bmp")};
    Add("KOV", 1);
    Add("Item", 2);
    Add("Edit", 3);
    Add(nullptr, 0, MF_SEPARATOR);
    ConvertPopupMenu(menu.get(), window, state);
    ODMenuContext context{state, sources};
    const ItemSize withIcon = MeasureMenuItem(window, 1, 0, context);
    EXPECT_EQ(withIcon.height, 24 + 9);
    EXPECT_EQ(MeasureMenuItem(window, 3, 0, context).height, 24 + 9);  // a 16-pixel file, scaled
    EXPECT_EQ(MeasureMenuItem(window, 0, 0, context).height, 9);
    const auto draw = [&](const Canvas& canvas, UINT id, RECT rect, UINT itemState) {
        const DRAWITEMSTRUCT item{ODT_MENU,       0,         id,
                                  ODA_DRAWENTIRE, itemState, reinterpret_cast<HWND>(menu.get()),
                                  canvas.dc(),    rect,      0};
        DrawMenuItem(window, item, context);
    };
    Canvas canvas(200, 33);
    draw(canvas, 1, {0, 0, 200, 33}, 0);
    // The 24-pixel picture at (3, 4): transparent corner, blue frame from its third pixel on.
    EXPECT_EQ(canvas.Pixel(4, 5), kBG);
    EXPECT_TRUE(IsBlue(canvas.Pixel(5, 6)));
    EXPECT_TRUE(IsBlue(canvas.Pixel(24, 25)));
    EXPECT_EQ(canvas.Pixel(26, 27), kBG);

    settings.UseSkin = true;
    state.SkinBackgroundPicture = ResourcePicture("SKINBACKGROUND");
    state.SkinSelectedPicture = ResourcePicture("SKINSELECTED");
    const auto cycle = [&] {
        for (UINT id = 0; id <= 3; ++id) {
            MeasureMenuItem(window, static_cast<std::int32_t>(id), 0, context);
            for (UINT itemState : {0u, UINT{ODS_SELECTED}, UINT{ODS_DISABLED}})
                draw(canvas, id, {0, 0, 200, 33}, itemState);
        }
    };
    cycle();
    const auto before = testing::GdiObjectCount();
    for (int i = 0; i < 10; ++i) cycle();
    EXPECT_EQ(testing::GdiObjectCount(), before);
}

// A monochrome bitmap file, white.
void WriteWhiteBitmap(const std::string& path, int width, int height) {
    const int stride = (width + 31) / 32 * 4;
    const std::uint32_t bits = static_cast<std::uint32_t>(stride * height);
    const std::uint32_t offset = 14 + 40 + 8;
    std::string data(offset + bits, '\xFF');
    const auto put = [&](std::size_t at, std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i) data[at + i] = static_cast<char>(value >> (8 * i));
    };
    data[0] = 'B';
    data[1] = 'M';
    put(2, offset + bits, 4);
    put(6, 0, 4);
    put(10, offset, 4);
    put(14, 40, 4);
    put(18, static_cast<std::uint32_t>(width), 4);
    put(22, static_cast<std::uint32_t>(height), 4);
    put(26, 1, 2);
    put(28, 1, 2);
    put(30, 0, 24);  // no compression, sizes and colour counts left to the reader
    put(54, 0, 4);   // palette: black, then white
    UniqueFile file(
        CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    DWORD written = 0;
    WriteFile(file.get(), data.data(), static_cast<DWORD>(data.size()), &written, nullptr);
}

// Fonts of no, negative and huge size at 192 DPI, pictures of one and of 4,000 pixels square, a
// skin smaller than an item: every item measures and paints, and what it makes is freed.
TEST_F(OwnerDrawn, BadInputAtHighDpiPaintsAndFrees) {
    const testing::TempFolder folder;
    WriteWhiteBitmap(folder / "tiny.bmp", 1, 1);
    WriteWhiteBitmap(folder / "huge.bmp", 4000, 4000);
    customIcons["Tiny"] = {folder / "tiny.bmp", ""};
    customIcons["Huge"] = {folder / "huge.bmp", folder / "huge.bmp"};
    ODMenuState state;
    state.dpi = 192;
    settings.UseSkin = true;
    state.SkinBackgroundPicture = ResourcePicture("CHECKMARK");
    state.SkinSelectedPicture = ResourcePicture("CHECKMARK");
    Add("Tiny", 1);
    Add("Huge", 2);
    Add("Text\tCtrl+T", 3);
    ConvertPopupMenu(menu.get(), window, state);
    ODMenuContext context{state, sources};
    Canvas canvas(300, 60);
    const auto paint = [&](UINT id, bool alsoSelected = true) {
        const ItemSize size = MeasureMenuItem(window, static_cast<std::int32_t>(id), 0, context);
        for (UINT itemState : {UINT{ODS_SELECTED}, 0u}) {
            if (itemState != 0 && !alsoSelected) continue;
            const DRAWITEMSTRUCT item{ODT_MENU,
                                      0,
                                      id,
                                      ODA_DRAWENTIRE,
                                      itemState,
                                      reinterpret_cast<HWND>(menu.get()),
                                      canvas.dc(),
                                      {0, 0, 300, std::min(size.height, 60)},
                                      0};
            DrawMenuItem(window, item, context);
        }
        return size;
    };
    paint(1);
    const auto before = testing::GdiObjectCount();
    // Too big to stretch: drawn at its own size. (Each load of it takes seconds under Wine.)
    EXPECT_EQ(paint(2, false).height, 4000 + 12);
    for (const double points : {0.0, -5.0, 500.0}) {
        menuFont->FontSize = points;
        EXPECT_GT(paint(1).height, 0) << points;
        EXPECT_GT(paint(3).height, 0) << points;
    }
    EXPECT_EQ(testing::GdiObjectCount(), before);
}

// Every GDI object a message creates is gone when it ends, on the error paths as well.
TEST_F(OwnerDrawn, GdiObjectsReturnToTheirCount) {
    customIcons["Edit"] = {ResourceFile("editpic.bmp"), ResourceFile("editmask.bmp")};
    customIcons["Missing"] = {ResourceFile("missing.bmp"), ResourceFile("missing.bmp")};
    customIcons["Broken"] = {ResourceFile("make_resources.py"), ""};
    settings.UseSkin = true;
    hook->SetSkinPictures(ResourcePicture("SKINBACKGROUND"), ResourcePicture("SKINSELECTED"));
    const char* captions[] = {"KOV", "E&xit", "Edit", "Missing", "Broken", "Open\tCtrl+O", "|"};
    UINT id = 1;
    for (const char* caption : captions) Add(caption, id++);
    Add(nullptr, 0, MF_SEPARATOR);
    Canvas canvas(300, 22);
    const auto cycle = [&] {
        Convert();
        for (UINT item = 0; item < id; ++item) {
            const SIZE size = Measure(item);
            for (UINT state :
                 {0u, UINT{ODS_SELECTED}, UINT{ODS_CHECKED | ODS_SELECTED}, UINT{ODS_DISABLED}}) {
                Draw(canvas, item, {item % 2 ? 0 : 10, 0, 300, std::min<LONG>(size.cy, 22)}, state);
            }
        }
    };
    cycle();  // first use loads what the system keeps for good
    const auto before = testing::GdiObjectCount();
    ASSERT_GT(before, 0u) << "no way to count GDI objects here";
    for (int i = 0; i < 50; ++i) cycle();
    EXPECT_EQ(testing::GdiObjectCount(), before);
    // The count does see objects that are not deleted.
    HBRUSH leaked = CreateSolidBrush(0);
    EXPECT_EQ(testing::GdiObjectCount(), before + 1);
    DeleteObject(leaked);
}

}  // namespace
}  // namespace kov::win32
