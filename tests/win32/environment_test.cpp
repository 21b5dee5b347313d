#include "platform/win32/win32_environment.h"

#include <gtest/gtest.h>
#include "platform/win32/windows_api.h"

namespace kov::win32 {
namespace {

TEST(Win32Environment, ExpandsVariablesOfAnyLength) {
    Win32Environment environment;
    const std::string longValue(5000, 'v');
    SetEnvironmentVariableA("KOV_LONG", longValue.c_str());
    EXPECT_EQ(environment.ExpandEnvironmentStrings("<%KOV_LONG%%KOV_LONG%>"),
              "<" + longValue + longValue + ">");
    EXPECT_EQ(environment.ExpandEnvironmentStrings("%KOV_UNDEFINED_NAME%\\x"),
              "%KOV_UNDEFINED_NAME%\\x");
    const auto windir = environment.ExpandEnvironmentStrings("%windir%");
    ASSERT_TRUE(windir);
    EXPECT_NE(windir->find(":\\"), std::string::npos);
}

}  // namespace
}  // namespace kov::win32
