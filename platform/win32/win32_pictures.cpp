#include "platform/win32/win32_pictures.h"

#include <ocidl.h>
#include <olectl.h>

#include <memory>
#include "platform/win32/wide_text.h"

namespace kov::win32 {

namespace {

struct ReleaseUnknown {
    void operator()(IUnknown* object) const { object->Release(); }
};

// HIMETRIC (0.01 mm) to pixels at the screen's resolution.
int ToPixels(OLE_XSIZE_HIMETRIC himetric, int pixelsPerInch) {
    return MulDiv(himetric, pixelsPerInch, 2540);
}

// Icons and metafiles have no bitmap of their own: paint them on white.
UniqueBitmap RenderOnWhite(IPicture& picture) {
    OLE_XSIZE_HIMETRIC width = 0;
    OLE_YSIZE_HIMETRIC height = 0;
    picture.get_Width(&width);
    picture.get_Height(&height);
    WindowDC screen(nullptr);
    const int w = ToPixels(width, GetDeviceCaps(screen.get(), LOGPIXELSX));
    const int h = ToPixels(height, GetDeviceCaps(screen.get(), LOGPIXELSY));
    if (w <= 0 || h <= 0) return {};
    UniqueBitmap bitmap(CreateCompatibleBitmap(screen.get(), w, h));
    UniqueMemoryDC dc(CreateCompatibleDC(screen.get()));
    if (!bitmap || !dc) return {};
    {
        SelectedObject selected(dc.get(), bitmap.get());
        const RECT all{0, 0, w, h};
        FillRect(dc.get(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        picture.Render(dc.get(), 0, 0, w, h, 0, height, width, -height, nullptr);
    }
    return bitmap;
}

}  // namespace

Win32Picture::Win32Picture(UniqueBitmap bitmap)
    : bitmap_(std::move(bitmap)), size_(BitmapSize(bitmap_.get())) {}

HBITMAP PictureBitmap(const platform::PicturePtr& picture) {
    const auto* win32 = dynamic_cast<const Win32Picture*>(picture.get());
    return win32 != nullptr ? win32->Bitmap() : nullptr;
}

SIZE BitmapSize(HBITMAP bitmap) {
    BITMAP info{};
    if (bitmap == nullptr || GetObjectW(bitmap, sizeof info, &info) == 0) return {};
    return {info.bmWidth, info.bmHeight};
}

UniqueBitmap LoadBitmapResource(const std::string& name) {
    return UniqueBitmap(LoadBitmapW(GetModuleHandleW(nullptr), Widen(name).c_str()));
}

// Keeps OLE initialised on this thread until the program ends: the system's picture loader
// resolves file paths through it.
class OleSession {
  public:
    OleSession() : initialised_(SUCCEEDED(OleInitialize(nullptr))) {}
    ~OleSession() {
        if (initialised_) OleUninitialize();
    }
    OleSession(const OleSession&) = delete;
    OleSession& operator=(const OleSession&) = delete;

  private:
    bool initialised_;
};

UniqueBitmap LoadPictureFileBitmap(const std::string& path) {
    // Only menus that name picture files pay for starting OLE, and only once.
    static const OleSession ole;
    if (path.empty()) return {};
    auto wide = Widen(path);
    IPicture* raw = nullptr;
    if (FAILED(OleLoadPicturePath(wide.data(), nullptr, 0, 0, IID_IPicture,
                                  reinterpret_cast<void**>(&raw))) ||
        raw == nullptr) {
        return {};
    }
    const std::unique_ptr<IPicture, ReleaseUnknown> picture(raw);
    SHORT type = PICTYPE_NONE;
    picture->get_Type(&type);
    if (type != PICTYPE_BITMAP) return RenderOnWhite(*picture);
    OLE_HANDLE handle = 0;
    picture->get_Handle(&handle);
    // The picture object deletes its own bitmap when released; keep a copy.
    return UniqueBitmap(static_cast<HBITMAP>(
        CopyImage(reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(handle)), IMAGE_BITMAP, 0, 0, 0)));
}

platform::PicturePtr ResourcePicture(const std::string& name) {
    auto bitmap = LoadBitmapResource(name);
    if (!bitmap) return nullptr;
    return std::make_shared<Win32Picture>(std::move(bitmap));
}

platform::PicturePtr Win32Pictures::LoadPicture(const std::string& path) {
    auto bitmap = LoadPictureFileBitmap(path);
    if (!bitmap) return nullptr;
    return std::make_shared<Win32Picture>(std::move(bitmap));
}

}  // namespace kov::win32
