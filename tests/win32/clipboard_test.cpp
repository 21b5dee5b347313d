#include "platform/win32/win32_clipboard.h"

#include <gtest/gtest.h>

#include <shlobj.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/win32/handles.h"
#include "platform/win32/wide_text.h"

namespace kov::win32 {
namespace {

// Puts a CF_HDROP list of wide names on the clipboard, as a file copy in the shell does.
void SetDroppedFiles(const std::vector<std::string>& names) {
    std::wstring list;
    for (const auto& name : names) list += Widen(name) + L'\0';
    list += L'\0';
    const auto bytes = list.size() * sizeof(wchar_t);
    UniqueGlobal block(GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + bytes));
    ASSERT_TRUE(block);
    {
        GlobalLockGuard lock(block.get());
        auto* drop = static_cast<DROPFILES*>(lock.data());
        drop->pFiles = sizeof(DROPFILES);
        drop->fWide = TRUE;
        std::memcpy(static_cast<char*>(lock.data()) + sizeof(DROPFILES), list.data(), bytes);
    }
    OpenClipboardGuard clipboard(nullptr);
    ASSERT_TRUE(clipboard.opened());
    EmptyClipboard();
    ASSERT_NE(SetClipboardData(CF_HDROP, block.get()), nullptr);
    block.release();
}

TEST(Win32Clipboard, TextRoundTrips) {
    Win32Clipboard clipboard;
    const std::string cases[] = {
        "hello \xC2\xA6 w\xC3\xB6rld \xD0\x9C\xD0\xB8\xD1\x80 \xE4\xB8\xAD \xF0\x9F\x98\x80", "",
        std::string(10 * 1024 * 1024, 'x')};
    for (const auto& text : cases) {
        ASSERT_TRUE(clipboard.SetText(text));
        EXPECT_EQ(clipboard.GetText(), text) << text.size();
        EXPECT_FALSE(clipboard.GetFiles());
    }
    ASSERT_TRUE(clipboard.SetText(std::string("cut\0here", 8)));
    EXPECT_EQ(clipboard.GetText(), "cut");
}

TEST(Win32Clipboard, FileNamesOfAnyLength) {
    Win32Clipboard clipboard;
    const std::string longName = "C:\\" + std::string(1500, 'n') + ".txt";
    const std::string scripts = "C:\\\xCE\xB1\\\xD0\xB4 \xE4\xB8\xAD\xF0\x9F\x98\x80.txt";
    SetDroppedFiles({"C:\\a b.txt", longName, scripts});
    EXPECT_EQ(clipboard.GetFiles(), (std::vector<std::string>{"C:\\a b.txt", longName, scripts}));
    EXPECT_FALSE(clipboard.GetText());
}

}  // namespace
}  // namespace kov::win32
