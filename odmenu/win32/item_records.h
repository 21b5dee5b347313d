// The records that converted items' data point to, owned for the run and freed with the hook.
// Each begins with the MSAAMENUINFO through which accessibility clients name owner-drawn items.
#pragma once

#include "platform/win32/windows_api.h"

#include <oleacc.h>

#include <memory>
#include <string>
#include <unordered_map>

#include "odmenu/item_record.h"

namespace kov::win32 {

struct MenuItemRecord {
    MenuItemRecord() = default;
    MenuItemRecord(const MenuItemRecord&) = delete;
    MenuItemRecord& operator=(const MenuItemRecord&) = delete;

    // First, where an accessibility client reads it from the item data; its text is name.
    MSAAMENUINFO msaa{};
    std::wstring name;
    ItemRecord item;
};

class ItemRecords {
  public:
    // The record an item's data points to; null for data that is not one of ours.
    MenuItemRecord* Find(ULONG_PTR itemData) const;
    // A new record whose address becomes the item's data; its name is taken from it once.
    MenuItemRecord& Add(ItemRecord item);

  private:
    std::unordered_map<ULONG_PTR, std::unique_ptr<MenuItemRecord>> records_;
};

// The record's address, as the item's data holds it.
ULONG_PTR ItemDataOf(const MenuItemRecord& record);

}  // namespace kov::win32
