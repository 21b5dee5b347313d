#include "platform/win32/win32_pictures.h"

#include <ocidl.h>
#include <olectl.h>
#include <wincodec.h>

#include <cstdint>
#include <cstdlib>
#include <memory>

#include "platform/win32/com_ptr.h"
#include "platform/win32/wide_text.h"

namespace kov::win32 {

namespace {

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

UniqueBitmap CreateTopDownBitmap(SIZE size, void** bits) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof info.bmiHeader, size.cx, -size.cy, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    return UniqueBitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, bits, nullptr, 0));
}

UniqueBitmap LoadBitmapResource(const std::string& name) {
    return UniqueBitmap(LoadBitmapW(GetModuleHandleW(nullptr), Widen(name).c_str()));
}

// Keeps OLE initialised on this thread until it ends: the system's picture loader
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

namespace {

// A larger picture would cost hundreds of megabytes: not a menu icon.
constexpr std::uint64_t kMaxPixels = 64u << 20;

// One for each use: pictures are decoded on several threads, each an apartment of its own.
ComPtr<IWICImagingFactory> ImagingFactory() {
    return Receive<IWICImagingFactory>([](IWICImagingFactory** made) {
        return CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IWICImagingFactory, reinterpret_cast<void**>(made));
    });
}

SIZE FrameSize(IWICBitmapFrameDecode& frame) {
    UINT width = 0, height = 0;
    frame.GetSize(&width, &height);
    return {static_cast<LONG>(width), static_cast<LONG>(height)};
}

// Pictures that may carry alpha; the rest decode as they always have.
bool DecodedWithAlpha(IWICBitmapDecoder& decoder, IWICBitmapFrameDecode& first) {
    GUID container{};
    decoder.GetContainerFormat(&container);
    if (container == GUID_ContainerFormatPng || container == GUID_ContainerFormatIco) return true;
    WICPixelFormatGUID format{};
    first.GetPixelFormat(&format);
    return container == GUID_ContainerFormatBmp &&
           (format == GUID_WICPixelFormat32bppBGRA || format == GUID_WICPixelFormat32bppPBGRA);
}

// Of several frames, the smallest that covers wanted, else the largest.
ComPtr<IWICBitmapFrameDecode> NearestFrame(IWICBitmapDecoder& decoder,
                                           ComPtr<IWICBitmapFrameDecode> first, SIZE wanted) {
    UINT count = 0;
    decoder.GetFrameCount(&count);
    ComPtr<IWICBitmapFrameDecode> best = std::move(first);
    for (UINT i = 1; i < count; ++i) {
        auto frame = Receive<IWICBitmapFrameDecode>(
            [&](IWICBitmapFrameDecode** made) { return decoder.GetFrame(i, made); });
        if (!frame) continue;
        const LONG side = FrameSize(*frame).cx;
        const LONG bestSide = FrameSize(*best).cx;
        const bool covers = side >= wanted.cx;
        const bool bestCovers = bestSide >= wanted.cx;
        const bool better =
            covers ? !bestCovers || side < bestSide : !bestCovers && side > bestSide;
        if (better) best = std::move(frame);
    }
    return best;
}

// A top-down 32-bit bitmap with premultiplied alpha holding source scaled to size.
PictureFile CopyToBitmap(IWICImagingFactory& factory, IWICBitmapSource& source, SIZE size) {
    const auto converter = Receive<IWICFormatConverter>(
        [&](IWICFormatConverter** made) { return factory.CreateFormatConverter(made); });
    if (!converter || FAILED(converter->Initialize(&source, GUID_WICPixelFormat32bppPBGRA,
                                                   WICBitmapDitherTypeNone, nullptr, 0,
                                                   WICBitmapPaletteTypeCustom))) {
        return {};
    }
    const auto scaler = Receive<IWICBitmapScaler>(
        [&](IWICBitmapScaler** made) { return factory.CreateBitmapScaler(made); });
    if (!scaler ||
        FAILED(scaler->Initialize(converter.get(), static_cast<UINT>(size.cx),
                                  static_cast<UINT>(size.cy), WICBitmapInterpolationModeFant))) {
        return {};
    }
    void* bits = nullptr;
    UniqueBitmap bitmap = CreateTopDownBitmap(size, &bits);
    const UINT stride = static_cast<UINT>(size.cx) * 4;
    if (!bitmap || FAILED(scaler->CopyPixels(nullptr, stride, stride * static_cast<UINT>(size.cy),
                                             static_cast<BYTE*>(bits)))) {
        return {};
    }
    return {std::move(bitmap), true};
}

PictureFile DecodeWithAlpha(const std::wstring& path, SizeFor sizeFor, int dpi) {
    const auto factory = ImagingFactory();
    if (!factory) return {};
    const auto decoder = Receive<IWICBitmapDecoder>([&](IWICBitmapDecoder** made) {
        return factory->CreateDecoderFromFilename(path.c_str(), nullptr, GENERIC_READ,
                                                  WICDecodeMetadataCacheOnDemand, made);
    });
    if (!decoder) return {};
    auto first = Receive<IWICBitmapFrameDecode>(
        [&](IWICBitmapFrameDecode** made) { return decoder->GetFrame(0, made); });
    if (!first || !DecodedWithAlpha(*decoder, *first)) return {};
    const SIZE own = FrameSize(*first);
    const SIZE wanted = sizeFor != nullptr ? sizeFor(own, dpi) : own;
    if (wanted.cx <= 0 || wanted.cy <= 0 ||
        std::uint64_t(wanted.cx) * std::uint64_t(wanted.cy) > kMaxPixels) {
        return {};
    }
    const auto frame = NearestFrame(*decoder, std::move(first), wanted);
    return CopyToBitmap(*factory, *frame, wanted);
}

UniqueBitmap DecodeWithOle(const std::string& path) {
    auto wide = Widen(path);
    IPicture* raw = nullptr;
    if (FAILED(OleLoadPicturePath(wide.data(), nullptr, 0, 0, IID_IPicture,
                                  reinterpret_cast<void**>(&raw))) ||
        raw == nullptr) {
        return {};
    }
    const ComPtr<IPicture> picture(raw);
    SHORT type = PICTYPE_NONE;
    picture->get_Type(&type);
    if (type != PICTYPE_BITMAP) return RenderOnWhite(*picture);
    OLE_HANDLE handle = 0;
    picture->get_Handle(&handle);
    // The picture object deletes its own bitmap when released; keep a copy.
    return UniqueBitmap(static_cast<HBITMAP>(
        CopyImage(reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(handle)), IMAGE_BITMAP, 0, 0, 0)));
}

}  // namespace

void LayOnWhite(HBITMAP bitmap) {
    DIBSECTION section{};
    if (GetObjectW(bitmap, sizeof section, &section) != sizeof section) return;
    auto* pixel = static_cast<BYTE*>(section.dsBm.bmBits);
    const auto count = static_cast<std::size_t>(section.dsBm.bmWidth) *
                       static_cast<std::size_t>(std::abs(section.dsBm.bmHeight));
    for (std::size_t i = 0; i < count; ++i, pixel += 4) {
        const BYTE clear = 255 - pixel[3];
        for (int c = 0; c < 3; ++c) pixel[c] = static_cast<BYTE>(pixel[c] + clear);
        pixel[3] = 255;
    }
}

std::string ReadFileStart(const std::string& path, std::size_t bytes) {
    const UniqueFile file(CreateFileW(WidePath(path).c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    std::string start(bytes, '\0');
    DWORD read = 0;
    if (!file || !ReadFile(file.get(), start.data(), static_cast<DWORD>(bytes), &read, nullptr))
        return {};
    start.resize(read);
    return start;
}

PictureFile LoadPictureFile(const std::string& path, SizeFor sizeFor, int dpi) {
    // Only menus that name picture files pay for starting OLE, and only once on each thread that
    // decodes them (the window thread, the icon threads), until that thread ends.
    thread_local const OleSession ole;
    if (path.empty()) return {};
    if (auto decoded = DecodeWithAlpha(WidePath(path), sizeFor, dpi); decoded.bitmap)
        return decoded;
    return {DecodeWithOle(path), false};
}

platform::PicturePtr ResourcePicture(const std::string& name) {
    auto bitmap = LoadBitmapResource(name);
    if (!bitmap) return nullptr;
    return std::make_shared<Win32Picture>(std::move(bitmap));
}

platform::PicturePtr Win32Pictures::LoadPicture(const std::string& path) {
    auto picture = LoadPictureFile(path);
    if (!picture.bitmap) return nullptr;
    if (picture.alpha) LayOnWhite(picture.bitmap.get());
    return std::make_shared<Win32Picture>(std::move(picture.bitmap));
}

}  // namespace kov::win32
