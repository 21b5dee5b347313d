#include "platform/win32/win32_environment.h"

#include <gtest/gtest.h>
#include "platform/win32/windows_api.h"

namespace kov::win32 {
namespace {

TEST(Win32Environment, ExpandsVariablesOfAnyLengthAndNamesTheProgram) {
    Win32Environment environment;
    const std::string longValue(5000, 'v');
    SetEnvironmentVariableA("KOV_LONG", longValue.c_str());
    EXPECT_EQ(environment.ExpandEnvironmentStrings("<%KOV_LONG%%KOV_LONG%>%KOV_UNDEFINED_NAME%"),
              "<" + longValue + longValue + ">%KOV_UNDEFINED_NAME%");

    const auto identity = CurrentProgramIdentity();
    EXPECT_EQ(identity.fileName, "kov_win32_tests");
    ASSERT_GE(identity.folder.size(), 3u);
    EXPECT_EQ(identity.folder[1], ':');
    EXPECT_NE(identity.folder.back(), '\\');
}

}  // namespace
}  // namespace kov::win32
