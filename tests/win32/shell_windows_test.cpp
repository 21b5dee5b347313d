// KOV's side of Explorer windows against a list of the test's own: Wine's Explorer windows are not
// in the shell's list.
#include <gtest/gtest.h>

#include "platform/win32/windows_api.h"

#include <algorithm>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/win32/shell_windows.h"

namespace kov::win32 {
namespace {

// A late-bound object whose members answer as the test says; the test owns it.
class FakeObject : public IDispatch {
  public:
    using Member = std::function<void(const VARIANT* argument, VARIANT* result)>;
    std::vector<std::pair<std::wstring, Member>> members;

    void Set(const wchar_t* name, Member member) { members.emplace_back(name, std::move(member)); }
    void Value(const wchar_t* name, long value) {
        Set(name, [value](const VARIANT*, VARIANT* result) {
            result->vt = VT_I4;
            result->lVal = value;
        });
    }
    void Text(const wchar_t* name, std::wstring text) {
        Set(name, [text](const VARIANT*, VARIANT* result) {
            result->vt = VT_BSTR;
            result->bstrVal = SysAllocString(text.c_str());
        });
    }
    void Child(const wchar_t* name, FakeObject& child) {
        Set(name, [&child](const VARIANT*, VARIANT* result) { child.HandOut(result); });
    }
    void List(std::vector<FakeObject>& items) {
        Value(L"Count", static_cast<long>(items.size()));
        Set(L"Item", [&items](const VARIANT* index, VARIANT* result) {
            items.at(static_cast<std::size_t>(index->lVal)).HandOut(result);
        });
    }
    void HandOut(VARIANT* result) {
        AddRef();
        result->vt = VT_DISPATCH;
        result->pdispVal = this;
    }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
        *object = id == IID_IUnknown || id == IID_IDispatch ? this : nullptr;
        if (*object == nullptr) return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references; }
    ULONG STDMETHODCALLTYPE Release() override { return --references; }
    // Asked by name only: no type information.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT, LCID,
                                            DISPID* id) override {
        const auto found =
            std::ranges::find(members, names[0], &decltype(members)::value_type::first);
        if (found == members.end()) return DISP_E_UNKNOWNNAME;
        *id = static_cast<DISPID>(found - members.begin());
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* parameters,
                                     VARIANT* result, EXCEPINFO*, UINT*) override {
        members.at(static_cast<std::size_t>(id))
            .second(parameters->cArgs > 0 ? &parameters->rgvarg[0] : nullptr, result);
        return S_OK;
    }

    long references = 0;
};

TEST(ShellWindows, ReadsAndSteersTheListsWindowWithTheHandle) {
    std::vector<FakeObject> windows(2), selected(2);
    FakeObject list, document, folder, self, selection;
    list.List(windows);
    windows[0].Value(L"HWND", 0x1234);
    // 64-bit handles are sign-extended 32-bit values; the list may give either width.
    windows[1].Value(L"HWND", static_cast<long>(0x80005678u));
    windows[1].Child(L"Document", document);
    std::wstring navigatedTo;
    windows[1].Set(L"Navigate2",
                   [&](const VARIANT* target, VARIANT*) { navigatedTo = target->bstrVal; });
    document.Child(L"Folder", folder);
    folder.Child(L"Self", self);
    self.Text(L"Path", L"C:\\M\u00f6te");
    document.Child(L"SelectedItems", selection);
    selection.List(selected);
    selected[0].Text(L"Path", L"C:\\M\u00f6te\\a b.txt");
    selected[1].Text(L"Path", L"C:\\M\u00f6te\\\u4e2d");
    HWND window = reinterpret_cast<HWND>(static_cast<LONG_PTR>(static_cast<int>(0x80005678u)));

    const auto view = ReadExplorerWindow(&list, window);
    ASSERT_TRUE(view);
    EXPECT_EQ(view->folder, "C:\\M\xC3\xB6te");
    EXPECT_EQ(view->selection, (std::vector<std::string>{"C:\\M\xC3\xB6te\\a b.txt",
                                                         "C:\\M\xC3\xB6te\\\xE4\xB8\xAD"}));
    EXPECT_FALSE(ReadExplorerWindow(&list, reinterpret_cast<HWND>(0x9999)));
    EXPECT_TRUE(NavigateExplorerWindow(&list, window, "E:\\\xC3\xA9t\xC3\xA9"));
    EXPECT_EQ(navigatedTo, L"E:\\\u00e9t\u00e9");
    EXPECT_FALSE(NavigateExplorerWindow(&list, reinterpret_cast<HWND>(0x1235), "E:\\"));
    for (const auto* object : {&list, &document, &folder, &self, &selection, &windows[1]}) {
        EXPECT_EQ(object->references, 0);  // every object handed out was released
    }
}

}  // namespace
}  // namespace kov::win32
