#include "odmenu/access_keys.h"

#include <gtest/gtest.h>

namespace kov {
namespace {

TEST(AccessKeys, TheLetterAfterTheFirstSingleAmpersand) {
    EXPECT_EQ(AccessKeyOf("E&xit"), 'x');
    EXPECT_EQ(AccessKeyOf("Tom && &Jerry"), 'J');
    EXPECT_EQ(AccessKeyOf("&&"), std::nullopt);
    EXPECT_EQ(AccessKeyOf("Trailing&"), std::nullopt);
    EXPECT_EQ(AccessKeyOf("No key"), std::nullopt);
    EXPECT_EQ(AccessKeyOf("&\xC3\x84pple\t&Ctrl"), U'\u00C4');
    EXPECT_EQ(AccessKeyOf("&\xD0\x92\xD1\x8B\xD1\x85\xD0\xBE\xD0\xB4"), U'\u0412');  // Cyrillic
}

TEST(AccessKeys, OnlyMatchIsChosenSeveralAreSteppedThrough) {
    const std::vector<std::string> captions = {"&Notepad", "Command &prompt", "",
                                               "&New",     "Plain",           "&Paint"};
    const auto choose = [&](char32_t typed, std::optional<std::size_t> selected) {
        const auto choice = ChooseByAccessKey(captions, typed, selected);
        return choice ? std::to_string(choice->position) + (choice->execute ? "!" : "?") : "-";
    };
    EXPECT_EQ(choose('N', std::nullopt), "0?");
    EXPECT_EQ(choose('n', 0), "3?");
    EXPECT_EQ(choose('n', 3), "0?");  // wraps around
    EXPECT_EQ(choose('p', 4), "5?");
    EXPECT_EQ(choose('z', std::nullopt), "-");
    EXPECT_EQ(ChooseByAccessKey({"E&xit"}, 'X', std::nullopt)->execute, true);
    EXPECT_EQ(choose(U'\u00E4', std::nullopt), "-");
    EXPECT_EQ(ChooseByAccessKey({"&\xC3\x84pple"}, U'\u00E4', std::nullopt)->position, 0u);
    EXPECT_EQ(
        ChooseByAccessKey({"&\xD0\x92\xD1\x8B\xD1\x85\xD0\xBE\xD0\xB4"}, U'\u0432', std::nullopt)
            ->execute,
        true);
}

}  // namespace
}  // namespace kov
