// The owner-draw hook on a real window: conversion, access keys, and items painted into memory
// device contexts whose pixels and GDI objects are counted.
#include "odmenu/win32/od_menu_hook.h"

#include <gtest/gtest.h>
#include <oleacc.h>

#include <atomic>
#include <cstdint>
#include <cstring>
#include <optional>
#include <set>
#include <utility>
#include <vector>

#include "odmenu/win32/arriving_icons.h"
#include "odmenu/win32/convert_menu.h"
#include "odmenu/win32/draw_item_win32.h"
#include "odmenu/win32/icon_bitmaps.h"
#include "odmenu/win32/measure_item_win32.h"
#include "platform/win32/handles.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_pictures.h"
#include "tests/win32/gdi_handle_table.h"

namespace kov::win32 {
namespace {

// The GDI objects this process holds; where GetGuiResources answers 0, its handle table's count.
unsigned long GdiObjectCount() {
    if (const DWORD count = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS); count != 0) {
        return count;
    }
#if defined(_WIN64)
    // TEB.ProcessEnvironmentBlock; read directly, as GCC 12 misreads the intrinsic's bounds.
    const unsigned char* peb = nullptr;
    asm("movq %%gs:0x60, %0" : "=r"(peb));
    const GdiHandleEntry* table = nullptr;
    std::memcpy(&table, peb + kGdiTableInPeb, sizeof table);
    return static_cast<unsigned long>(CountLiveEntries(table));
#else
    return 0;
#endif
}

// A 32-bit bitmap in a memory context, filled with one colour, or a bitmap of the test's, whose
// pixels can be read.
struct Canvas {
    Canvas(int width, int height) : bitmap(CreateBitmap(width, height, 1, 32, nullptr)) {
        const RECT all{0, 0, width, height};
        FillRect(dc.get(), &all, UniqueBrush(CreateSolidBrush(RGB(255, 0, 255))).get());
    }
    explicit Canvas(UniqueBitmap picture) : bitmap(std::move(picture)) {}
    COLORREF Pixel(int x, int y) const { return GetPixel(dc.get(), x, y); }
    // How many pixels of an item's picture cell (20 by 22 pixels from left, top) have the colour.
    int Count(int left, int top, COLORREF colour) const {
        int count = 0;
        for (int i = 0; i < 20 * 22; ++i) count += Pixel(left + i % 20, top + i / 20) == colour;
        return count;
    }
    UniqueMemoryDC dc{CreateCompatibleDC(nullptr)};
    UniqueBitmap bitmap;
    SelectedObject selected{dc.get(), bitmap.get()};
};

// The program's resources folder.
const std::string kResources = KOV_TEST_DATA "/../../resources/";

// The program picture's frame colour, give or take the expansion of its 16-bit pixels.
bool IsBlue(COLORREF c) {
    return GetBValue(c) > 140 && GetRValue(c) < 60 && GetGValue(c) < 90;
}

class OwnerDrawn : public ::testing::Test {
  protected:
    void SetUp() override {
        window = CreateWindowExW(0, L"STATIC", L"KOV", WS_OVERLAPPEDWINDOW, 0, 0, 200, 200, nullptr,
                                 nullptr, GetModuleHandleW(nullptr), nullptr);
        originalProc = GetWindowLongPtrW(window, GWLP_WNDPROC);
        hook.emplace(window);
        hook->HookODMenu(sources);
        hook->AddImage("E&xit", {"exit", "exit"});
        menu.reset(CreatePopupMenu());
    }
    void TearDown() override {
        hook.reset();  // unhooked, the window has its own procedure back
        EXPECT_EQ(GetWindowLongPtrW(window, GWLP_WNDPROC), originalProc);
        DestroyWindow(window);
    }

    void Add(const char* text, UINT id, UINT flags = MF_STRING) {
        AppendMenuW(menu.get(), flags, id, text ? Widen(text).c_str() : nullptr);
    }
    void Convert(HMENU popup) {
        SendMessageW(window, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), 0);
    }
    // What the item's data holds, which Windows passes with every measure and draw request.
    ULONG_PTR DataOf(UINT item, BOOL byPosition = FALSE) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_DATA;
        GetMenuItemInfoW(menu.get(), item, byPosition, &info);
        return info.dwItemData;
    }
    SIZE Measure(UINT id) {
        MEASUREITEMSTRUCT item{ODT_MENU, 0, id, 0, 0, DataOf(id)};
        SendMessageW(window, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&item));
        return {static_cast<LONG>(item.itemWidth), static_cast<LONG>(item.itemHeight)};
    }
    DRAWITEMSTRUCT Item(const Canvas& canvas, UINT id, RECT rect, UINT itemState = 0) {
        return {ODT_MENU,        0,         id,
                ODA_DRAWENTIRE,  itemState, reinterpret_cast<HWND>(menu.get()),
                canvas.dc.get(), rect,      DataOf(id)};
    }
    void Draw(const Canvas& canvas, UINT id, RECT rect, UINT itemState = 0) {
        DRAWITEMSTRUCT item = Item(canvas, id, rect, itemState);
        SendMessageW(window, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&item));
    }
    // For the tests that call the hook's parts themselves, with a context of their own.
    const ItemRecord& Record(UINT id) { return records.Find(DataOf(id))->item; }
    int Height(UINT id, ODMenuContext& context) {
        return MeasureMenuItem(window, Record(id), context).height;
    }
    void Draw(const Canvas& canvas, UINT id, RECT rect, UINT itemState, ODMenuContext& context) {
        DrawMenuItem(window, Item(canvas, id, rect, itemState), Record(id), context);
    }

    MenuSettings settings;
    CustomIconTable customIcons{
        {"Edit", {kResources + "editpic.bmp", kResources + "editmask.bmp"}},
        {"Plain", {kResources + "editpic.bmp", ""}},
        {"Missing", {kResources + "missing.bmp", kResources + "missing.bmp"}},
        {"Broken", {kResources + "make_resources.py", ""}},
        {"Alpha", {KOV_TEST_DATA "/half_red.png", ""}},
        {"Disc", {KOV_TEST_DATA "/red_disc.png", ""}}};
    std::optional<MenuFont> menuFont = MenuFont{"Tahoma", 8, false, false};
    MenuColors colors;
    OwnerDrawSources sources{settings, customIcons, menuFont, colors};
    HWND window = nullptr;
    LONG_PTR originalProc = 0;
    std::optional<Win32OwnerDrawHook> hook;
    UniqueMenu menu;
    ODMenuState state;
    ItemRecords records;
};

// Windows sends WM_MENUCHAR for owner-drawn items (Wine matches their retained text itself).
// Monochrome masks and pictures are expanded with black and white, not the item's colours.
TEST_F(OwnerDrawn, ConvertedItemsKeepCaptionsAccessKeysPictureMasksAndSkins) {
    const COLORREF bg = colors.BGMenuColor = RGB(255, 255, 224);
    colors.TextColor = RGB(255, 255, 255);
    const char* captions[] = {
        "E&xit",  "Edit",          "Plain",
        "Broken", "|Open\tCtrl+O", "&\xD0\x92\xD1\x8B\xD1\x85\xD0\xBE\xD0\xB4"};  // Cyrillic
    for (UINT id = 1; id <= 6; ++id) Add(captions[id - 1], id);
    Add(nullptr, 0, MF_SEPARATOR);
    Convert(menu.get());
    Convert(menu.get());  // again: nothing changes, the captions stay
    const auto type = [](HMENU popup, UINT position) {
        return GetMenuState(popup, position, MF_BYPOSITION) &
               (MF_OWNERDRAW | MF_MENUBREAK | MF_SEPARATOR);
    };
    EXPECT_EQ(type(menu.get(), 0), UINT{MF_OWNERDRAW});
    EXPECT_EQ(type(menu.get(), 4), UINT{MF_OWNERDRAW | MF_MENUBREAK});
    EXPECT_EQ(type(menu.get(), 6), UINT{MF_OWNERDRAW | MF_SEPARATOR});
    Convert(GetSystemMenu(window, FALSE));
    EXPECT_EQ(type(GetSystemMenu(window, FALSE), 0), 0u);
    EXPECT_EQ(SendMessageW(window, WM_MENUCHAR, MAKEWPARAM(L'\u0432', MF_POPUP),
                           reinterpret_cast<LPARAM>(menu.get())),
              MAKELRESULT(5, MNC_EXECUTE));

    EXPECT_GT(Measure(5).cx, Measure(3).cx);  // "Open Ctrl+O" is wider than "Plain"
    EXPECT_LT(Measure(4).cy, 22);             // no picture's cell
    Canvas canvas(150, 88);
    for (int id = 1; id <= 4; ++id) Draw(canvas, id, {0, id * 22 - 22, 150, id * 22});
    // Each picture is at (2, 3) of its item.
    EXPECT_EQ(canvas.Pixel(2, 3), bg);                   // Exit's corner, transparent
    EXPECT_EQ(canvas.Pixel(2, 25), bg);                  // transparent through the mask file
    EXPECT_EQ(canvas.Pixel(2, 47), RGB(255, 255, 255));  // copied as it is
    const int exitInk = canvas.Count(0, 0, RGB(0, 0, 0));
    EXPECT_GT(exitInk, 0);
    EXPECT_EQ(canvas.Count(0, 66, bg), 20 * 22);  // the broken picture leaves its cell empty
    colors.darkPictures = true;                   // the black cross turns white
    Draw(canvas, 1, {0, 0, 150, 22});
    EXPECT_EQ(canvas.Count(0, 0, RGB(255, 255, 255)), exitInk);

    // Items without text, selected, so that the selected skin (28 by 20 pixels) covers them
    // whole and repeats across the border of the items.
    colors.skins = true;
    hook->SetSkinPictures(ResourcePicture("SKINBACKGROUND"), ResourcePicture("SKINSELECTED"));
    Add("", 8);
    Add("", 9);
    Convert(menu.get());
    Canvas skin(120, 44);
    Draw(skin, 8, {0, 0, 120, 22}, ODS_SELECTED);
    Draw(skin, 9, {0, 22, 120, 44}, ODS_SELECTED);
    int mismatches = 0;
    for (int i = 0; i < 92 * 24; ++i) {
        const int x = i % 92, y = i / 92;
        mismatches += skin.Pixel(x, y) != skin.Pixel(x + 28, y);
        mismatches += skin.Pixel(x, y) != skin.Pixel(x, y + 20);
    }
    EXPECT_EQ(mismatches, 0);
    EXPECT_NE(skin.Pixel(0, 0), skin.Pixel(0, 10));  // drawn, and not in one colour
}

// A PNG's half-transparent red blends with the background behind it, whatever its colour (the
// blend itself is the host tests'). Grayed, a picture with transparency of its own is greyed.
TEST_F(OwnerDrawn, PngPicturesBlendWithTheBackground) {
    Add("Alpha", 1);
    Add("Disc", 2);
    Convert(menu.get());
    Canvas canvas(100, 22);
    const auto drawn = [&](COLORREF background, UINT id = 1, UINT itemState = 0) {
        colors.BGMenuColor = background;
        Draw(canvas, id, {0, 0, 100, 22}, itemState);
        return canvas.Pixel(10, 11);  // the middle of the 16-pixel picture at (2, 3)
    };
    EXPECT_NEAR(GetGValue(drawn(RGB(255, 255, 255))), 127, 2);
    EXPECT_NEAR(GetRValue(drawn(RGB(0, 0, 0))), 128, 2);  // its pixels premultiplied
    const COLORREF middle = drawn(RGB(255, 255, 255), 2, ODS_DISABLED);
    EXPECT_NE(middle, RGB(255, 255, 255));
    EXPECT_EQ(middle, RGB(GetRValue(middle), GetRValue(middle), GetRValue(middle)));  // a grey
}

// However often an item is measured and painted, its picture is decoded once, and the kept
// pixels hold no GDI object. A large picture is decoded on another thread: its item is measured
// from the file's header and painted without it until it comes.
TEST_F(OwnerDrawn, PicturesAreDecodedOnceForTheRun) {
    struct CountingDecoder : PictureDecoder {
        PictureFile File(const std::string& path, SizeFor sizeFor, int dpi) const override {
            ++decodes;
            return PictureDecoder::File(path, sizeFor, dpi);
        }
        mutable std::atomic<int> decodes = 0;
    } decoder;
    customIcons.emplace("Large", IconFiles{KOV_TEST_DATA "/red_square.png", ""});  // 100 pixels
    KeptObjects kept(decoder);
    ArrivingIcons arriving(window);
    ODMenuContext context{state, sources, records, kept, &arriving};
    Add("Alpha", 1);
    Add("Large", 2);
    ConvertPopupMenu(menu.get(), 96, context);
    EXPECT_EQ(Height(1, context), 22);
    EXPECT_EQ(Height(2, context), 106);
    EXPECT_EQ(decoder.decodes, 1);
    Canvas canvas(110, 106);
    const auto paint = [&] {
        for (const UINT itemState : {UINT{ODS_SELECTED}, UINT{ODS_DISABLED}, 0u}) {
            Draw(canvas, 1, {0, 0, 100, 22}, itemState, context);
            Draw(canvas, 2, {0, 0, 110, 106}, itemState, context);
        }
    };
    paint();  // the first paint loads what the system keeps
    EXPECT_NE(canvas.Pixel(50, 50), RGB(255, 0, 0));
    arriving.StartLookUps();
    for (const ULONGLONG end = GetTickCount64() + 20000;
         !kept.pictures.Kept(PictureKey(Record(2).picture, 96)) && GetTickCount64() < end;) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
        for (MSG message;
             PeekMessageW(&message, window, kIconsArrived, kIconsArrived, PM_REMOVE);) {
            for (auto& result : arriving.Arrived())
                kept.pictures.Keep(result.key, std::move(result.icon));
        }
    }
    const auto before = GdiObjectCount();
    paint();
    EXPECT_EQ(canvas.Pixel(50, 50), RGB(255, 0, 0));
    EXPECT_EQ(decoder.decodes, 2);
    EXPECT_EQ(GdiObjectCount(), before);
}

// A screen reader reads an owner-drawn item's name from the MSAAMENUINFO its data points to,
// and other clients read its menu string: both hold the whole caption as the menu shows it.
// The separator after an opened folder submenu (whose grayed "..." shares its identifier 0) is
// drawn as a separator.
TEST_F(OwnerDrawn, AccessibilityClientsReadEveryItemWhole) {
    const std::string longCaption = std::string(299, 'w') + "&";
    UniqueMenu folder(CreatePopupMenu());
    AppendMenuW(folder.get(), MF_GRAYED, 0, L"...");
    Add("&Open\tCtrl+O", 1);
    Add(longCaption.c_str(), 3);
    Add("Docs", static_cast<UINT>(reinterpret_cast<UINT_PTR>(folder.get())), MF_POPUP);
    Add(nullptr, 0, MF_SEPARATOR);
    Add("||", 4);
    Convert(menu.get());
    Convert(folder.get());
    // The menu strings, and the names but for a column's stroke, which has none.
    const std::string captions[] = {"&Open\tCtrl+O", longCaption, "Docs", "", "|"};
    for (UINT position = 0; position < std::size(captions); ++position) {
        wchar_t text[400] = {};
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_STRING | MIIM_FTYPE | MIIM_DATA;
        info.dwTypeData = text;
        info.cch = std::size(text);
        ASSERT_TRUE(GetMenuItemInfoW(menu.get(), position, TRUE, &info));
        const auto* msaa = reinterpret_cast<const MSAAMENUINFO*>(info.dwItemData);
        EXPECT_EQ(msaa->dwMSAASignature, static_cast<DWORD>(MSAA_MENU_SIG));
        const std::string& caption = captions[position];
        EXPECT_EQ(Narrow({msaa->pszWText, msaa->cchWText}), caption == "|" ? "" : caption);
        EXPECT_EQ(Narrow(text), caption) << position;
    }
    EXPECT_GT(Measure(3).cx, 299 * 5);  // measured whole
    Canvas canvas(150, 6);
    DRAWITEMSTRUCT separator = Item(canvas, 0, {0, 0, 150, 6});
    separator.itemData = DataOf(3, TRUE);
    SendMessageW(window, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&separator));
    EXPECT_NE(canvas.Pixel(75, 2), canvas.Pixel(75, 0));  // the etched line
}

// Every GDI object a message creates is gone when it ends, at every DPI and on the error paths:
// missing and broken pictures, a skin smaller than an item, fonts of no, negative and huge size.
// At 144 DPI (150 %) the program's pictures come at 24 pixels and files are scaled.
TEST_F(OwnerDrawn, GdiObjectsReturnToTheirCountAndPicturesScale) {
    state.ImageCollection = {{"KOV", {"kovpic", "kovmask"}},
                             {"_checkmark", {"checkmark", "checkmark"}},
                             {"E&xit", {"exit", "exit"}}};
    const PictureDecoder decoder{};
    KeptObjects kept(decoder);
    ODMenuContext context{state, sources, records, kept};
    Canvas canvas(300, 33);
    colors.skins = true;
    const char* captions[] = {"KOV", "E&xit", "Edit", "Missing", "Broken", "Open\tCtrl+O", "|"};
    for (UINT id = 1; id <= 7; ++id) Add(captions[id - 1], id);
    Add(nullptr, 0, MF_SEPARATOR);
    const auto cycle = [&](int dpi, const char* background, const char* selected) {
        state.SkinBackgroundPicture = ResourcePicture(background);
        state.SkinSelectedPicture = ResourcePicture(selected);
        ConvertPopupMenu(menu.get(), dpi, context);
        for (UINT id = 0; id <= 7; ++id) {
            const int height = std::min(Height(id, context), 33);
            EXPECT_GT(height, 0) << id << " at " << dpi;
            for (UINT itemState : {0, ODS_SELECTED, ODS_CHECKED | ODS_SELECTED, ODS_DISABLED})
                Draw(canvas, id, {id % 2 ? 0 : 10, 0, 300, height}, itemState, context);
        }
    };
    cycle(96, "SKINBACKGROUND", "SKINSELECTED");  // first use loads what the system keeps
    const auto before = GdiObjectCount();
    for (int i = 0; i < 3; ++i) cycle(96, "SKINBACKGROUND", "SKINSELECTED");
    cycle(144, "SKINBACKGROUND", "SKINSELECTED");
    // Each skin is stretched once for the popup's DPI and kept, not once for every fill, and the
    // font is made once for it.
    EXPECT_EQ(GdiObjectCount(), before + 3);
    EXPECT_EQ(Height(3, context), 24 + 9);  // a 16-pixel file
    // The 24-pixel picture at (3, 4): its blue frame ends at its 22nd pixel.
    Draw(canvas, 1, {0, 0, 300, 33}, 0, context);
    EXPECT_TRUE(IsBlue(canvas.Pixel(24, 25)));
    EXPECT_FALSE(IsBlue(canvas.Pixel(26, 27)));
    for (const double points : {0.0, -5.0, 500.0}) {
        menuFont->FontSize = points;
        cycle(192, "CHECKMARK", "CHECKMARK");
    }
    // A skin bigger than any item shows is drawn as it is.
    state.SkinBackgroundPicture =
        std::make_shared<Win32Picture>(UniqueBitmap(CreateBitmap(600, 600, 1, 32, nullptr)));
    EXPECT_TRUE(CreateFillBrush({Brush::Kind::BackgroundSkin, 0}, state, 192));
    EXPECT_EQ(state.scaledBackground.scaled, nullptr);
    cycle(96, "SKINBACKGROUND", "SKINSELECTED");
    // Kept: the fonts at 144, at 192 (three sizes) and the last size at 96.
    EXPECT_EQ(GdiObjectCount(), before + 5);
}

// Masks scale as masks: strictly black and white at 175 % and 225 %, where smoothing leaves grey.
TEST(IconBitmaps, ScaledMasksStayBlackAndWhite) {
    const UniqueBitmap mask = LoadBitmapResource("kovmask");
    for (const LONG side : {28, 36}) {
        const Canvas scaled(MaskStretchedTo(mask.get(), {side, side}));
        std::set<COLORREF> colours;
        for (int i = 0; i < side * side; ++i) colours.insert(scaled.Pixel(i % side, i / side));
        EXPECT_EQ(colours, (std::set<COLORREF>{RGB(0, 0, 0), RGB(255, 255, 255)})) << side;
    }
}

}  // namespace
}  // namespace kov::win32
