#include "odmenu/win32/item_records.h"

#include "platform/win32/wide_text.h"

namespace kov::win32 {

ULONG_PTR ItemDataOf(const MenuItemRecord& record) {
    return reinterpret_cast<ULONG_PTR>(&record);
}

MenuItemRecord* ItemRecords::Find(ULONG_PTR itemData) const {
    const auto found = records_.find(itemData);
    return found != records_.end() ? found->second.get() : nullptr;
}

MenuItemRecord& ItemRecords::Add(ItemRecord item) {
    auto record = std::make_unique<MenuItemRecord>();
    record->item = std::move(item);
    record->name = Widen(AccessibleName(record->item));
    record->msaa.dwMSAASignature = static_cast<DWORD>(MSAA_MENU_SIG);
    record->msaa.cchWText = static_cast<DWORD>(record->name.size());
    record->msaa.pszWText = record->name.data();
    MenuItemRecord& added = *record;
    records_.emplace(ItemDataOf(added), std::move(record));
    return added;
}

}  // namespace kov::win32
