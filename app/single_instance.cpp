#include "app/single_instance.h"

#include "core/text.h"

namespace kov {

namespace {

// Object names end at 260 characters; names that agree this far belong to one program anyway.
constexpr std::size_t kMaxNamePart = 200;

}  // namespace

std::string SingleInstanceName(std::string_view programFileName) {
    return "KOV.SingleInstance." + FoldCase(programFileName.substr(0, kMaxNamePart));
}

}  // namespace kov
