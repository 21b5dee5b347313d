// The application manifest the program carries (the tests link the same resources).
#include <gtest/gtest.h>

#include <string>

#include "platform/win32/windows_api.h"

namespace {

TEST(Manifest, DeclaresControlsDpiSystemsAndLongPaths) {
    HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));  // RT_MANIFEST
    ASSERT_NE(found, nullptr);
    const auto* data = static_cast<const char*>(LockResource(LoadResource(nullptr, found)));
    const std::string manifest(data, SizeofResource(nullptr, found));
    for (const char* part : {"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0",
                             ">PerMonitorV2, PerMonitor<", ">true/pm<",
                             "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}",  // Windows 10 and 11
                             "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",  // Windows 7
                             "<longPathAware", "level=\"asInvoker\""}) {
        EXPECT_NE(manifest.find(part), std::string::npos) << part;
    }
}

}  // namespace
