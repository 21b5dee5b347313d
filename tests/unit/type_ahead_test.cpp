// Keys typed in a popup: search text, words, letter case in every script, repetition, access keys.
#include "odmenu/type_ahead.h"

#include <gtest/gtest.h>

#include "core/text.h"

namespace kov {
namespace {

using A = PopupKeyAnswer::Action;
constexpr long kNone = -1;
constexpr std::uint64_t kNow = 50'000;

struct Row {
    std::string search;    // typed before
    long sinceLastKey;     // milliseconds; kNone: no key yet
    std::string captions;  // split at "|"; a leading "!" marks an entry that cannot be selected
    std::optional<std::size_t> selected;
    char32_t key;
    PopupKeyAnswer answer;
    std::string searchAfter;
};

TEST(TypeAhead, KeysSelectChooseOrAreRefused) {
    const std::string aa(200, 'a');
    const Row rows[] = {
        {"", kNone, "beta|Alpha|apple", 0, U'a', {A::Select, 1}, "a"},
        {"a", 500, "Alpha|apple|apricot", 0, U'p', {A::Select, 1}, "ap"},
        {"b", 1000, "xe|beta", 0, U'e', {A::Select, 1}, "be"},
        {"b", 1001, "xe|beta", 0, U'e', {A::Refuse, 0}, ""},
        {"", kNone, "old-report|rest", 0, U'r', {A::Select, 1}, "r"},
        {"", kNone, "xr|Annual(report", 0, U'r', {A::Select, 1}, "r"},
        {"", kNone, "xb|a_b", 0, U'b', {A::Select, 1}, "b"},
        {"", kNone, "Open\t.x|Ax x", 0, U'x', {A::Select, 1}, "x"},
        {"e", 100, "E&xit", {}, U'x', {A::Select, 0}, "ex"},
        {"", kNone, "Apfel|\xC3\x84pfel", 0, U'\u00E4', {A::Select, 1}, "\xC3\xA4"},
        {"", kNone, "\xD0\x81|\xD0\x9A\xD0\xBE\xD1\x82", 0, U'\u043A', {A::Select, 1}, "\xD0\xBA"},
        {"stra", 100, "Strand|STRASSE", 0, U'\u00DF', {A::Select, 1}, "stra\xC3\x9F"},
        {"a", 300, "alpha|beta|apple|avocado", 0, U'a', {A::Select, 2}, "aa"},
        {aa, 300, "alpha|beta|apple|avocado", 3, U'A', {A::Select, 0}, aa + "A"},
        {"", kNone, "!Apples|!|apple", {}, U'a', {A::Select, 2}, "a"},
        {"al", 100, "alpha", 0, U'x', {A::Refuse, 0}, "al"},
        {"apr", 200, "apple|apricot", 1, kBackspace, {A::Select, 0}, "ap"},
        {"", kNone, "apple", 0, kBackspace, {A::Refuse, 0}, ""},
        {"\xF0\x9F\x98\x80", 100, "a|\xF0\x9F\x98\x80", 1, kBackspace, {A::Select, 1}, ""},
        {"", kNone, "&Open|&Edit|Exit", {}, U'e', {A::Execute, 1}, ""},
        {"", kNone, "&a1|&a2", 0, U'a', {A::Select, 1}, ""},
        {"x", 300, "&Open|xe&dit|&Edit", 0, U'e', {A::Select, 1}, "xe"},
        {"", kNone, "&|&&|", 0, U'a', {A::Refuse, 0}, ""},
        {"", kNone, "e\xCC\x81t\xC3\xA9", {}, U'e', {A::Select, 0}, "e"},
    };
    for (const auto& row : rows) {
        std::vector<PopupEntry> entries;
        for (const auto& caption : SplitText(row.captions, "|")) {
            const bool grayed = caption.starts_with('!');
            entries.push_back({grayed ? caption.substr(1) : caption, !grayed});
        }
        TypeAheadState state{row.search, std::nullopt};
        if (row.sinceLastKey != kNone) state.lastKey = kNow - row.sinceLastKey;
        SCOPED_TRACE(row.search + " + U+" + std::to_string(row.key));
        EXPECT_EQ(AnswerPopupKey(state, entries, row.selected, row.key, kNow), row.answer);
        EXPECT_EQ(state.search, row.searchAfter);
    }
}

}  // namespace
}  // namespace kov
