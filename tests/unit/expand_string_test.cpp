#include "commands/expand_string.h"

#include <gtest/gtest.h>

#include "tests/fakes/fake_platform.h"

namespace kov {
namespace {

TEST(ExpandString, EnvironmentAndRelativePaths) {
    fakes::FakeEnvironment environment;
    environment.variables["windir"] = "C:\\windows";
    environment.variables["pad"] = "   C:\\x";
    Expander expander(environment, "C:\\Tools\\Menu");
    const struct {
        const char* input;
        const char* expected;
    } cases[] = {
        {"%windir%\\notepad.exe", "C:\\windows\\notepad.exe"},
        {"%system32%", "%system32%"},  // undefined variables stay as written
        {"%pad%", "C:\\x"},            // leading blanks of an expansion go
        {"  no percent  ", "  no percent  "},
        {"..\\..\\x.exe", "C:\\x.exe"},
        {"..\\..\\..\\..\\x.exe", "C:\\..\\..\\x.exe"},
        {".\\img\\a.jpg", "C:\\Tools\\Menu\\img\\a.jpg"},
        {"a\\..\\b", "a\\..\\b"},
        {".\\", "C:\\Tools\\Menu\\"},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(expander.sExpandString(c.input, false), c.expected) << c.input;
}

}  // namespace
}  // namespace kov
