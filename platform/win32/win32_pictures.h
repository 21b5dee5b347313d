// Pictures as bitmaps: bitmap resources of the program and picture files decoded by the
// system's picture loader (JPEG, GIF, BMP, ICO, WMF/EMF).
#pragma once

#include "platform/win32/windows_api.h"

#include <string>

#include "platform/pictures.h"
#include "platform/win32/handles.h"

namespace kov::win32 {

class Win32Picture : public platform::Picture {
  public:
    explicit Win32Picture(UniqueBitmap bitmap);
    int Width() const override { return size_.cx; }
    int Height() const override { return size_.cy; }
    HBITMAP Bitmap() const { return bitmap_.get(); }

  private:
    UniqueBitmap bitmap_;
    SIZE size_{};
};

// The bitmap a picture holds; null for no picture.
HBITMAP PictureBitmap(const platform::PicturePtr& picture);

// A bitmap's width and height; zero for a null handle.
SIZE BitmapSize(HBITMAP bitmap);

// A 32-bit bitmap whose rows run from the top, with its pixels; null when it cannot be made.
UniqueBitmap CreateTopDownBitmap(SIZE size, void** bits);

// A bitmap resource of the running program; resource names ignore letter case.
UniqueBitmap LoadBitmapResource(const std::string& name);

// A picture file decoded into a bitmap of its own; null when it is missing or not a picture.
// PNG files, 32-bit bitmaps with an alpha channel and icons come as 32-bit bitmaps with
// premultiplied alpha, at the size sizeFor gives for the picture's own (the first frame's); an
// icon file's frame is the smallest that is not smaller than that, or its largest. Everything
// else comes as the system's picture loader has always decoded it, at its own size.
struct PictureFile {
    UniqueBitmap bitmap;
    bool alpha = false;
};
using SizeFor = SIZE (*)(SIZE own, int dpi);
PictureFile LoadPictureFile(const std::string& path, SizeFor sizeFor = nullptr, int dpi = 96);

// The first bytes of a file, fewer for a shorter one; none when it cannot be read.
std::string ReadFileStart(const std::string& path, std::size_t bytes);

// Every decode of an item's picture goes through here, so that a test can count them. Called
// from any thread.
class PictureDecoder {
  public:
    virtual ~PictureDecoder() = default;
    virtual std::string FileStart(const std::string& path, std::size_t bytes) const {
        return ReadFileStart(path, bytes);
    }
    virtual PictureFile File(const std::string& path, SizeFor sizeFor, int dpi) const {
        return LoadPictureFile(path, sizeFor, dpi);
    }
    virtual UniqueBitmap Resource(const std::string& name) const {
        return LoadBitmapResource(name);
    }
};

// Premultiplied pixels of a 32-bit bitmap laid on white, made opaque: what shows where the
// picture is transparent.
void LayOnWhite(HBITMAP bitmap);

// A bitmap resource as a picture; null when the program has no such resource.
platform::PicturePtr ResourcePicture(const std::string& name);

// Picture files for the settings directives, each decoded into a bitmap of its own; pictures
// with alpha are laid on white, as the skins they become are.
class Win32Pictures : public platform::Pictures {
  public:
    platform::PicturePtr LoadPicture(const std::string& path) override;
};

}  // namespace kov::win32
