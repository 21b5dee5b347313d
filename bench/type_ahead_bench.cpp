// Time of the type-ahead decision for one key in a popup of 1,000 folder entries: the search
// from the top, the word match when no caption starts with the text, the same key repeated, a
// key that matches nothing (both scans over every caption) and a 200-character search text.
// Every key must answer in well under 2 ms of the program's own work.
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "odmenu/type_ahead.h"

namespace {

// Names as a folder of documents holds them, Latin and Cyrillic, the last few words apart.
std::vector<kov::PopupEntry> FolderEntries(int count) {
    std::vector<kov::PopupEntry> entries;
    for (int i = 0; i < count - 2; ++i) {
        const auto number = std::to_string(100000 + i).substr(1);
        entries.push_back(
            {(i % 2 ? "report-" : "\xD0\xBE\xD1\x82\xD1\x87\xD1\x91\xD1\x82 ") + number + ".xlsx"});
    }
    entries.push_back({"zebra.txt"});
    entries.push_back({"quarterly (\xC3\x84nderung) notes.docx"});
    return entries;
}

struct Case {
    const char* name;
    std::u32string keys;  // typed less than a second apart; the last one is timed
};

// The best of many repetitions of the last key, in microseconds.
double MicrosecondsPerKey(const std::vector<kov::PopupEntry>& entries, const Case& test) {
    double best = 1e300;
    for (int repetition = 0; repetition < 200; ++repetition) {
        kov::TypeAheadState state;
        std::optional<std::size_t> selected = 0;
        std::uint64_t now = 10000;
        for (std::size_t i = 0; i + 1 < test.keys.size(); ++i) {
            const auto answer = kov::AnswerPopupKey(state, entries, selected, test.keys[i], now++);
            if (answer.action == kov::PopupKeyAnswer::Action::Select) selected = answer.position;
        }
        const auto start = std::chrono::steady_clock::now();
        const auto answer = kov::AnswerPopupKey(state, entries, selected, test.keys.back(), now);
        const auto end = std::chrono::steady_clock::now();
        if (answer.position > entries.size()) std::puts("out of range");
        best = std::min(best, std::chrono::duration<double, std::micro>(end - start).count());
    }
    return best;
}

}  // namespace

int main() {
    const auto entries = FolderEntries(1000);
    const Case cases[] = {
        {"first letter, last entry", U"z"},
        {"word inside a caption", U"\u00e4n"},
        {"same letter again", U"rrrr"},
        {"matches nothing", U"w"},
        {"200-character search text", std::u32string(199, U'r') + U'w'},
    };
    double worst = 0;
    for (const auto& test : cases) {
        const double time = MicrosecondsPerKey(entries, test);
        worst = std::max(worst, time);
        std::printf("%-28s %8.1f us per key\n", test.name, time);
    }
    std::printf("worst key / 2 ms budget: %.3f\n", worst / 2000.0);
    return 0;
}
