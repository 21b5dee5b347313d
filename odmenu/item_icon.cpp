#include "odmenu/item_icon.h"

#include <algorithm>
#include <array>

#include "odmenu/dpi_scale.h"

namespace kov {

namespace {

constexpr char kCheckMarkKey[] = "_checkmark";

constexpr int kPictureSide = 16;

IconSource FromImages(const ImagePair& pair, int dpi) {
    return {IconSource::Kind::Resource, ProgramPictureName(pair.picture, dpi),
            ProgramPictureName(pair.mask, dpi)};
}

IconSource FromFiles(const IconFiles& files) {
    return {IconSource::Kind::File, files.picture, files.mask};
}

}  // namespace

int IconCellWidth(bool noIcons, int dpi) {
    return noIcons ? 0 : ScalePixels(20, dpi);
}

int ProgramPictureSide(int dpi) {
    constexpr std::array kMade{kPictureSide, 20, 24, 32};
    const int wanted = ScalePixels(kPictureSide, dpi);
    const auto made = std::find_if(kMade.begin(), kMade.end(), [&](int s) { return s >= wanted; });
    return made != kMade.end() ? *made : kMade.back();
}

std::string ProgramPictureName(std::string_view name, int dpi) {
    const int side = ProgramPictureSide(dpi);
    return std::string(name) + (side == kPictureSide ? "" : std::to_string(side));
}

IconSize DrawnIconSize(IconSource::Kind kind, IconSize bitmap, int dpi) {
    if (kind == IconSource::Kind::Resource || kind == IconSource::Kind::Shell) {
        const int side = ScalePixels(kPictureSide, dpi);
        return {side, side};
    }
    return ScaledPictureSize(bitmap, dpi);
}

IconSize ScaledPictureSize(IconSize bitmap, int dpi) {
    const IconSize scaled{ScalePixels(bitmap.width, dpi), ScalePixels(bitmap.height, dpi)};
    // Stretching a huge picture (a photo) would take a copy of hundreds of megabytes, more than
    // any item shows.
    constexpr int kMaxStretchedSide = 1024;
    return std::max(scaled.width, scaled.height) > kMaxStretchedSide ? bitmap : scaled;
}

CaptionParts SplitAtTab(std::string_view caption) {
    const auto tab = caption.find('\t');
    if (tab == std::string_view::npos) return {std::string(caption), {}};
    return {std::string(caption.substr(0, tab)), std::string(caption.substr(tab + 1))};
}

IconSource MeasureIcon(std::string_view key, const ItemPictures& pictures, bool noIcons, int dpi) {
    if (noIcons) return {};
    if (const auto image = pictures.images.find(key); image != pictures.images.end())
        return FromImages(image->second, dpi);
    if (const auto custom = pictures.customIcons.find(key); custom != pictures.customIcons.end()) {
        return FromFiles(custom->second);
    }
    if (pictures.shellTarget != nullptr)
        return {IconSource::Kind::Shell, pictures.shellTarget->path, {}};
    return {};
}

IconSource DrawIcon(const IconSource& picture, bool checked, const ImageTable& images, int dpi) {
    if (!checked) return picture;
    const auto checkMark = images.find(kCheckMarkKey);
    return checkMark == images.end() ? IconSource{} : FromImages(checkMark->second, dpi);
}

}  // namespace kov
