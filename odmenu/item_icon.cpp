#include "odmenu/item_icon.h"

namespace kov {

namespace {

constexpr char kCheckMarkKey[] = "_checkmark";

IconSource FromImages(const ImagePair& pair) {
    return {IconSource::Kind::Resource, pair.picture, pair.mask};
}

IconSource FromFiles(const IconFiles& files) {
    return {IconSource::Kind::File, files.picture, files.mask};
}

}  // namespace

int IconCellWidth(bool noIcons) {
    return noIcons ? 0 : 20;
}

CaptionParts SplitAtTab(std::string_view caption) {
    const auto tab = caption.find('\t');
    if (tab == std::string_view::npos) return {std::string(caption), {}};
    return {std::string(caption.substr(0, tab)), std::string(caption.substr(tab + 1))};
}

IconSource MeasureIcon(std::string_view key, const ImageTable& images,
                       const CustomIconTable& customIcons, bool noIcons) {
    if (noIcons) return {};
    if (const auto image = images.find(key); image != images.end())
        return FromImages(image->second);
    if (const auto custom = customIcons.find(key); custom != customIcons.end()) {
        return FromFiles(custom->second);
    }
    return {};
}

IconSource DrawIcon(std::string_view key, bool checked, const ImageTable& images,
                    const CustomIconTable& customIcons, bool noIcons) {
    if (checked) {
        const auto checkMark = images.find(kCheckMarkKey);
        return checkMark == images.end() ? IconSource{} : FromImages(checkMark->second);
    }
    return MeasureIcon(key, images, customIcons, noIcons);
}

}  // namespace kov
