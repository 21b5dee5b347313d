// Clipboard text made safe for a URL's query.
#pragma once

#include <string>
#include <string_view>

namespace kov {

// ASCII letters stay, a space becomes "+", every other byte (digits included) "%XX".
std::string sURLEncode(std::string_view text);

}  // namespace kov
