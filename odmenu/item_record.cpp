#include "odmenu/item_record.h"

#include "odmenu/draw_layout.h"
#include "odmenu/menu_conversion.h"

namespace kov {

namespace {

bool Textless(ItemKind kind) {
    return kind == ItemKind::Separator || kind == ItemKind::ColumnBreak;
}

ItemKind PopupKind(const MenuItemFacts& facts, std::string_view caption, bool programPicture) {
    if ((facts.type & menu_types::kSeparator) != 0) return ItemKind::Separator;
    if (SplitDrawCaption(caption).columnMark) return ItemKind::ColumnBreak;
    if (programPicture) return ItemKind::ProgramPicture;
    if (facts.submenu) return ItemKind::Submenu;
    if (facts.grayed) return ItemKind::Heading;
    return ItemKind::Item;
}

}  // namespace

void MoveRecordToDpi(ItemRecord& record, const ImageTable& images, const OwnerDrawSources& sources,
                     int dpi) {
    record.dpi = dpi;
    if (Textless(record.kind)) return;
    const ItemPictures pictures{images, sources.CustomIcons,
                                record.shellTarget ? &*record.shellTarget : nullptr};
    record.picture =
        MeasureIcon(SplitAtTab(record.caption).left, pictures, sources.settings.NoIcons, dpi);
}

ItemRecord RecordPopupItem(const MenuItemFacts& facts, std::string caption,
                           const ImageTable& images, const OwnerDrawSources& sources, int dpi,
                           std::optional<platform::ShellIconTarget> shellTarget) {
    const bool programPicture = images.contains(SplitAtTab(caption).left);
    ItemRecord record{std::move(caption), ItemKind::Item, {}, std::move(shellTarget), dpi};
    record.kind = PopupKind(facts, record.caption, programPicture);
    MoveRecordToDpi(record, images, sources, dpi);
    return record;
}

ItemRecord RecordMenuBarItem(std::string caption, const ImageTable& images,
                             const OwnerDrawSources& sources, int dpi) {
    ItemRecord record{std::move(caption), ItemKind::MenuBarItem, {}, {}, dpi};
    MoveRecordToDpi(record, images, sources, dpi);
    return record;
}

std::string AccessibleName(const ItemRecord& record) {
    return Textless(record.kind) ? std::string() : record.caption;
}

}  // namespace kov
