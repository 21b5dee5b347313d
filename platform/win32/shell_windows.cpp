#include "platform/win32/shell_windows.h"

#include <exdisp.h>
#include <shldisp.h>

#include <chrono>
#include <cstdint>
#include <future>
#include <memory>
#include <thread>

#include "platform/win32/com_apartment.h"
#include "platform/win32/com_ptr.h"
#include "platform/win32/wide_text.h"

namespace kov::win32 {

namespace {

using DispatchPtr = ComPtr<IDispatch>;

struct Variant : VARIANT {
    Variant() { VariantInit(this); }
    ~Variant() { VariantClear(this); }
    Variant(const Variant&) = delete;
    Variant& operator=(const Variant&) = delete;
};

// A property read or a method called by name, with at most one argument.
bool Call(IDispatch* object, const wchar_t* name, Variant& result, VARIANT* argument = nullptr) {
    if (object == nullptr) return false;
    DISPID id = 0;
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    if (FAILED(object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id))) return false;
    DISPPARAMS parameters{argument, nullptr, argument != nullptr ? 1u : 0u, 0};
    return SUCCEEDED(object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT,
                                    DISPATCH_METHOD | DISPATCH_PROPERTYGET, &parameters, &result,
                                    nullptr, nullptr));
}

DispatchPtr Object(IDispatch* object, const wchar_t* name, VARIANT* argument = nullptr) {
    Variant result;
    if (!Call(object, name, result, argument) || result.vt != VT_DISPATCH) return nullptr;
    result.vt = VT_EMPTY;
    return DispatchPtr(result.pdispVal);
}

DispatchPtr Item(IDispatch* list, long index) {
    Variant argument;
    argument.vt = VT_I4;
    argument.lVal = index;
    return Object(list, L"Item", &argument);
}

std::optional<long long> Number(IDispatch* object, const wchar_t* name) {
    Variant result;
    if (!Call(object, name, result) || FAILED(VariantChangeType(&result, &result, 0, VT_I8))) {
        return std::nullopt;
    }
    return result.llVal;
}

std::string Text(IDispatch* object, const wchar_t* name) {
    Variant result;
    if (!Call(object, name, result) || result.vt != VT_BSTR || result.bstrVal == nullptr) return {};
    return Narrow({result.bstrVal, SysStringLen(result.bstrVal)});
}

// Window handles carry 32 significant bits, whatever the width the list gives them in.
DispatchPtr WindowOf(IDispatch* shellWindows, HWND window) {
    const auto wanted = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(window));
    const long count = static_cast<long>(Number(shellWindows, L"Count").value_or(0));
    for (long i = 0; i < count; ++i) {
        auto item = Item(shellWindows, i);
        const auto handle = Number(item.get(), L"HWND");
        if (handle && static_cast<std::uint32_t>(*handle) == wanted) return item;
    }
    return nullptr;
}

}  // namespace

std::optional<platform::ExplorerView> ReadExplorerWindow(IDispatch* shellWindows, HWND window) {
    const auto item = WindowOf(shellWindows, window);
    if (!item) return std::nullopt;
    platform::ExplorerView view;
    const auto document = Object(item.get(), L"Document");
    const auto folder = Object(document.get(), L"Folder");
    view.folder = Text(Object(folder.get(), L"Self").get(), L"Path");
    const auto selected = Object(document.get(), L"SelectedItems");
    const long count = static_cast<long>(Number(selected.get(), L"Count").value_or(0));
    for (long i = 0; i < count; ++i) {
        auto path = Text(Item(selected.get(), i).get(), L"Path");
        if (!path.empty()) view.selection.push_back(std::move(path));
    }
    return view;
}

bool NavigateExplorerWindow(IDispatch* shellWindows, HWND window, const std::string& folder) {
    const auto item = WindowOf(shellWindows, window);
    if (!item) return false;
    Variant target;
    target.vt = VT_BSTR;
    target.bstrVal = SysAllocString(Widen(folder).c_str());
    Variant ignored;
    return Call(item.get(), L"Navigate2", ignored, &target);
}

bool AskShellWindows(std::function<void(IDispatch*)> ask, DWORD milliseconds) {
    std::promise<void> promise;
    auto answered = promise.get_future();
    // Left running when it does not answer in time; the program ends soon after.
    std::thread([ask = std::move(ask), promise = std::move(promise)]() mutable {
        {
            ComApartment apartment;
            IDispatch* list = nullptr;
            if (SUCCEEDED(CoCreateInstance(CLSID_ShellWindows, nullptr, CLSCTX_ALL, IID_IDispatch,
                                           reinterpret_cast<void**>(&list)))) {
                ask(list);
                list->Release();
            }
        }
        promise.set_value();
    }).detach();
    return answered.wait_for(std::chrono::milliseconds(milliseconds)) == std::future_status::ready;
}

}  // namespace kov::win32
