#include <gtest/gtest.h>

#include "platform/win32/win32_environment.h"

namespace kov::win32 {
namespace {

TEST(Win32ProgramIdentity, NameWithoutFolderAndExtension) {
    const auto identity = CurrentProgramIdentity();
    EXPECT_EQ(identity.fileName, "kov_win32_tests");
    ASSERT_GE(identity.folder.size(), 3u);
    EXPECT_EQ(identity.folder[1], ':');
    EXPECT_NE(identity.folder.back(), '\\');
}

}  // namespace
}  // namespace kov::win32
