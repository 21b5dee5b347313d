#include "app/command_line.h"

#include <gtest/gtest.h>

namespace kov {
namespace {

TEST(CommandLine, ProgramNameIsSkippedAndOnePairOfQuotesRemoved) {
    const struct {
        const char* commandLine;
        const char* path;
    } cases[] = {
        {"KOV.exe", ""},
        {"KOV.exe  D:\\menus\\work.mnu ", "D:\\menus\\work.mnu"},
        {"\"C:\\Program Files\\KOV\\KOV.exe\"\t\"D:\\my menus\\work.mnu\"",
         "D:\\my menus\\work.mnu"},
        {"\"C:\\KOV.exe\"x.mnu", "x.mnu"},
        {"KOV.exe \"\"", ""},
        {"KOV.exe \"", "\""},
        {"KOV.exe \"a\" \"b\"", "a\" \"b"},  // one pair only
        {"C:\\\xD0\x9F\\KOV.exe \xD0\x9C\xD0\xB5\xD0\xBD\xD1\x8E.mnu",
         "\xD0\x9C\xD0\xB5\xD0\xBD\xD1\x8E.mnu"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MenuFileArgument(CommandLineArguments(c.commandLine)), c.path) << c.commandLine;
    }
}

}  // namespace
}  // namespace kov
