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
    EXPECT_EQ(AccessKeyOf("&\xC4pple\t&Ctrl"), '\xC4');
}

TEST(AccessKeys, OnlyMatchIsChosenSeveralAreSteppedThrough) {
    const std::vector<std::string> captions = {"&Notepad", "Command &prompt", "", "&New",
                                               "Plain", "&Paint"};
    const auto choose = [&](char typed, std::optional<std::size_t> selected) {
        const auto choice = ChooseByAccessKey(captions, typed, selected);
        return choice ? std::to_string(choice->position) + (choice->execute ? "!" : "?") : "-";
    };
    EXPECT_EQ(choose('N', std::nullopt), "0?");
    EXPECT_EQ(choose('n', 0), "3?");
    EXPECT_EQ(choose('n', 3), "0?");  // wraps around
    EXPECT_EQ(choose('p', 4), "5?");
    EXPECT_EQ(choose('z', std::nullopt), "-");
    EXPECT_EQ(ChooseByAccessKey({"E&xit"}, 'X', std::nullopt)->execute, true);
    EXPECT_EQ(choose('\xE4', std::nullopt), "-");
    EXPECT_EQ(ChooseByAccessKey({"&\xC4pple"}, '\xE4', std::nullopt)->position, 0u);
}

}  // namespace
}  // namespace kov
