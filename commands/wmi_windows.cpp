#include <windows.h>

#include <objbase.h>
#include <oleauto.h>
#include <wbemidl.h>

#include "commands/system_folder_windows.h"
#include "commands/wmic_fallback.h"

namespace corvalen {

namespace {

// COM and OLE Automation, loaded only when WMI is asked: most runs never
// need them, and loading them costs more than the rest of the start-up. They
// stay loaded once they are, since COM's own threads may still run in them.
class ComLibraries {
 public:
  ComLibraries()
      : ole32_(LoadFromSystemFolder(L"ole32.dll")),
        oleaut32_(LoadFromSystemFolder(L"oleaut32.dll")) {
    Bind(ole32_, "CoInitializeEx", CoInitializeEx);
    Bind(ole32_, "CoUninitialize", CoUninitialize);
    Bind(ole32_, "CoCreateInstance", CoCreateInstance);
    Bind(ole32_, "CoSetProxyBlanket", CoSetProxyBlanket);
    Bind(oleaut32_, "SysAllocStringLen", SysAllocStringLen);
    Bind(oleaut32_, "SysFreeString", SysFreeString);
    Bind(oleaut32_, "SysStringLen", SysStringLen);
    Bind(oleaut32_, "VariantInit", VariantInit);
    Bind(oleaut32_, "VariantClear", VariantClear);
    Bind(oleaut32_, "VariantChangeType", VariantChangeType);
  }
  ComLibraries(const ComLibraries&) = delete;
  ComLibraries& operator=(const ComLibraries&) = delete;

  bool loaded() const { return complete_; }

  decltype(&::CoInitializeEx) CoInitializeEx = nullptr;
  decltype(&::CoUninitialize) CoUninitialize = nullptr;
  decltype(&::CoCreateInstance) CoCreateInstance = nullptr;
  decltype(&::CoSetProxyBlanket) CoSetProxyBlanket = nullptr;
  decltype(&::SysAllocStringLen) SysAllocStringLen = nullptr;
  decltype(&::SysFreeString) SysFreeString = nullptr;
  decltype(&::SysStringLen) SysStringLen = nullptr;
  decltype(&::VariantInit) VariantInit = nullptr;
  decltype(&::VariantClear) VariantClear = nullptr;
  decltype(&::VariantChangeType) VariantChangeType = nullptr;

 private:
  static HMODULE LoadFromSystemFolder(const wchar_t* name) {
    const std::wstring folder = SystemFolder();
    if (folder.empty()) return nullptr;
    return LoadLibraryW((folder + L'\\' + name).c_str());
  }

  template <typename Function>
  void Bind(HMODULE library, const char* name, Function& function) {
    const FARPROC address =
        library != nullptr ? GetProcAddress(library, name) : nullptr;
    // Through the generic function type, which the compiler accepts as a
    // cast between unrelated function types.
    function =
        reinterpret_cast<Function>(reinterpret_cast<void (*)()>(address));
    complete_ = complete_ && address != nullptr;
  }

  HMODULE ole32_;
  HMODULE oleaut32_;
  bool complete_ = true;
};

// Releases a COM interface when the call leaves, on every path.
template <typename Interface>
class ComPointer {
 public:
  ComPointer() = default;
  ~ComPointer() {
    if (pointer_ != nullptr) pointer_->Release();
  }
  ComPointer(const ComPointer&) = delete;
  ComPointer& operator=(const ComPointer&) = delete;
  Interface* get() const { return pointer_; }
  Interface* operator->() const { return pointer_; }
  Interface** out() { return &pointer_; }
  void** out_void() { return reinterpret_cast<void**>(&pointer_); }

 private:
  Interface* pointer_ = nullptr;
};

class Bstr {
 public:
  Bstr(const ComLibraries& com, std::u16string_view text)
      : com_(com),
        value_(
            com.SysAllocStringLen(reinterpret_cast<const OLECHAR*>(text.data()),
                                  static_cast<UINT>(text.size()))) {}
  ~Bstr() { com_.SysFreeString(value_); }
  Bstr(const Bstr&) = delete;
  Bstr& operator=(const Bstr&) = delete;
  BSTR get() const { return value_; }

 private:
  const ComLibraries& com_;
  BSTR value_;
};

// COM for this thread, for the length of one query. A thread that already
// had COM in another mode keeps it, and it is not released here.
class ComForThisCall {
 public:
  explicit ComForThisCall(const ComLibraries& com) : com_(com) {
    const HRESULT result = com.CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    release_ = SUCCEEDED(result);
    usable_ = release_ || result == RPC_E_CHANGED_MODE;
  }
  ~ComForThisCall() {
    if (release_) com_.CoUninitialize();
  }
  ComForThisCall(const ComForThisCall&) = delete;
  ComForThisCall& operator=(const ComForThisCall&) = delete;
  bool usable() const { return usable_; }

 private:
  const ComLibraries& com_;
  bool release_ = false;
  bool usable_ = false;
};

// How long one instance may take to arrive before the query is given up.
constexpr LONG kNextTimeoutMs = 30000;

std::optional<std::u16string> TextOf(const ComLibraries& com, VARIANT& value) {
  if (value.vt == VT_NULL || value.vt == VT_EMPTY) return std::u16string();
  if (value.vt != VT_BSTR &&
      FAILED(com.VariantChangeType(&value, &value, 0, VT_BSTR))) {
    return std::nullopt;
  }
  const auto* text = reinterpret_cast<const char16_t*>(value.bstrVal);
  return std::u16string(text, com.SysStringLen(value.bstrVal));
}

}  // namespace

std::optional<std::vector<std::u16string>> QueryWmiProperty(
    std::u16string_view wql, std::u16string_view property) {
  const ComLibraries com;
  if (!com.loaded()) return std::nullopt;
  const ComForThisCall com_for_this_call(com);
  if (!com_for_this_call.usable()) return std::nullopt;
  ComPointer<IWbemLocator> locator;
  if (FAILED(com.CoCreateInstance(CLSID_WbemLocator, nullptr,
                                  CLSCTX_INPROC_SERVER, IID_IWbemLocator,
                                  locator.out_void()))) {
    return std::nullopt;
  }
  ComPointer<IWbemServices> services;
  const Bstr name_space(com, u"ROOT\\CIMV2");
  if (FAILED(locator->ConnectServer(name_space.get(), nullptr, nullptr, nullptr,
                                    WBEM_FLAG_CONNECT_USE_MAX_WAIT, nullptr,
                                    nullptr, services.out()))) {
    return std::nullopt;
  }
  // The proxy's own security, so the process-wide setting stays as it was.
  if (FAILED(com.CoSetProxyBlanket(
          services.get(), RPC_C_AUTHN_WINNT, RPC_C_AUTHZ_NONE, nullptr,
          RPC_C_AUTHN_LEVEL_CALL, RPC_C_IMP_LEVEL_IMPERSONATE, nullptr,
          EOAC_NONE))) {
    return std::nullopt;
  }
  ComPointer<IEnumWbemClassObject> instances;
  const Bstr language(com, u"WQL");
  const Bstr query(com, wql);
  if (FAILED(services->ExecQuery(
          language.get(), query.get(),
          WBEM_FLAG_FORWARD_ONLY | WBEM_FLAG_RETURN_IMMEDIATELY, nullptr,
          instances.out()))) {
    return std::nullopt;
  }
  const std::u16string property_name(property);
  const auto* property_text =
      reinterpret_cast<const wchar_t*>(property_name.c_str());
  std::vector<std::u16string> values;
  for (;;) {
    ComPointer<IWbemClassObject> instance;
    ULONG returned = 0;
    const HRESULT next =
        instances->Next(kNextTimeoutMs, 1, instance.out(), &returned);
    if (FAILED(next) || next == WBEM_S_TIMEDOUT) return std::nullopt;
    if (returned == 0) break;
    VARIANT value;
    com.VariantInit(&value);
    if (FAILED(instance->Get(property_text, 0, &value, nullptr, nullptr))) {
      return std::nullopt;
    }
    std::optional<std::u16string> text = TextOf(com, value);
    com.VariantClear(&value);
    if (!text) return std::nullopt;
    values.push_back(std::move(*text));
  }
  return values;
}

}  // namespace corvalen
