// Any bytes as a text with date placeholders: formatting must end and read the clock at most once.
#include <cstddef>
#include <cstdint>
#include <string>

#include "menufile/date_format.h"
#include "tests/fakes/fake_clock.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    kov::fakes::FakeClock clock;
    if (size >= 2) clock.now.hour = data[0] % 24;
    const std::string text(reinterpret_cast<const char*>(data), size);
    kov::sReplaceDate(text, clock);
    kov::FormatDateTime(text, clock.now, clock);
    if (clock.reads > 1) __builtin_trap();
    return 0;
}
