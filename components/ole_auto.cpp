#include "components/ole_auto.h"

#include <cstdio>
#include <vector>

#include "ui/wide.h"

namespace qrv {
namespace {

std::string FromBstr(BSTR text) { return Narrow({text, text ? SysStringLen(text) : 0u}); }

// Automation's own codes, for systems whose message table lacks them.
const char* AutomationText(HRESULT code) {
  switch (code) {
    case DISP_E_TYPEMISMATCH:
      return "Type mismatch.";
    case DISP_E_BADPARAMCOUNT:
      return "Invalid number of parameters.";
    case DISP_E_PARAMNOTFOUND:
      return "Parameter not found.";
    case DISP_E_MEMBERNOTFOUND:
      return "Member not found.";
    case DISP_E_UNKNOWNNAME:
      return "Unknown name.";
    case DISP_E_OVERFLOW:
      return "Out of present range.";
    case DISP_E_NONAMEDARGS:
      return "Does not support named arguments.";
    case RPC_E_DISCONNECTED:
      return "The object invoked has disconnected from its clients.";
    default:
      return nullptr;
  }
}

// The system's text for an error code, without its line break.
std::string SystemText(HRESULT code) {
  wchar_t* buffer = nullptr;
  const DWORD length =
      FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                     nullptr, static_cast<DWORD>(code), 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  std::string text = Narrow({buffer, length});
  LocalFree(buffer);
  while (!text.empty() && (text.back() == '\r' || text.back() == '\n' || text.back() == ' ')) {
    text.pop_back();
  }
  if (text.empty() && AutomationText(code)) text = AutomationText(code);
  if (text.empty()) {
    char number[32];
    std::snprintf(number, sizeof number, "OLE error %08lX", static_cast<unsigned long>(code));
    text = number;
  }
  return text;
}

// Takes the server's report out of `info` (and frees its strings). A report
// without a description gets the system's text of its code and the member.
OleError ServerError(EXCEPINFO& info, HRESULT code, std::string_view member) {
  if (info.pfnDeferredFillIn) info.pfnDeferredFillIn(&info);
  const HRESULT reported = info.scode != 0 ? info.scode : code;
  std::string message = FromBstr(info.bstrDescription);
  SysFreeString(info.bstrDescription);
  SysFreeString(info.bstrSource);
  SysFreeString(info.bstrHelpFile);
  if (message.empty()) message = SystemText(reported) + " (" + std::string(member) + ")";
  return OleError(message, reported);
}

// Throws what a failed Invoke of `member` reported.
void CheckInvoke(HRESULT hr, EXCEPINFO& info, std::string_view member) {
  if (hr == DISP_E_EXCEPTION) throw ServerError(info, hr, member);
  if (FAILED(hr)) throw OleError(SystemText(hr) + " (" + std::string(member) + ")", hr);
}

VARIANT Converted(const VARIANT& value, VARTYPE type) {
  VARIANT out;
  VariantInit(&out);
  const HRESULT hr = VariantChangeType(&out, const_cast<VARIANT*>(&value), 0, type);
  if (FAILED(hr)) throw OleError(SystemText(hr), hr);
  return out;
}

}  // namespace

OleError::OleError(const std::string& message, HRESULT code) : std::runtime_error(message), code_(code) {}

OleSession::OleSession() : started_(SUCCEEDED(OleInitialize(nullptr))) {}

OleSession::~OleSession() {
  if (started_) OleUninitialize();
}

OleArg::OleArg() noexcept { VariantInit(&value_); }

OleArg::OleArg(const char* text) : OleArg(std::string_view(text ? text : "")) {}

OleArg::OleArg(const std::string& text) : OleArg(std::string_view(text)) {}

OleArg::OleArg(std::string_view text) : OleArg() {
  const std::wstring wide = Widen(text);
  value_.vt = VT_BSTR;
  value_.bstrVal = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
  if (!value_.bstrVal) throw std::bad_alloc();
}

OleArg::OleArg(int value) : OleArg() {
  value_.vt = VT_I4;
  value_.lVal = value;
}

OleArg::OleArg(bool value) : OleArg() {
  value_.vt = VT_BOOL;
  value_.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
}

OleArg::OleArg(const OleObject& object) : OleArg() {
  value_.vt = VT_DISPATCH;
  value_.pdispVal = object.Dispatch();
  if (value_.pdispVal) value_.pdispVal->AddRef();
}

// An optional argument left out, as automation spells it.
OleArg OleArg::Omitted() {
  OleArg arg;
  arg.value_.vt = VT_ERROR;
  arg.value_.scode = DISP_E_PARAMNOTFOUND;
  return arg;
}

OleArg::OleArg(const OleArg& other) : OleArg() {
  const HRESULT hr = VariantCopy(&value_, const_cast<VARIANT*>(&other.value_));
  if (FAILED(hr)) throw OleError(SystemText(hr), hr);
}

OleArg& OleArg::operator=(const OleArg& other) {
  if (this != &other) {
    const HRESULT hr = VariantCopy(&value_, const_cast<VARIANT*>(&other.value_));
    if (FAILED(hr)) throw OleError(SystemText(hr), hr);
  }
  return *this;
}

OleArg::~OleArg() { VariantClear(&value_); }

OleValue::OleValue() noexcept { VariantInit(&value_); }

OleValue::OleValue(OleValue&& other) noexcept : value_(other.value_) { VariantInit(&other.value_); }

OleValue& OleValue::operator=(OleValue&& other) noexcept {
  if (this != &other) {
    VariantClear(&value_);
    value_ = other.value_;
    VariantInit(&other.value_);
  }
  return *this;
}

OleValue::~OleValue() { VariantClear(&value_); }

VARIANT* OleValue::Receive() noexcept {
  VariantClear(&value_);
  return &value_;
}

bool OleValue::IsEmpty() const noexcept {
  switch (value_.vt) {
    case VT_EMPTY:
    case VT_NULL:
      return true;
    case VT_DISPATCH:
      return value_.pdispVal == nullptr;
    case VT_UNKNOWN:
      return value_.punkVal == nullptr;
    case VT_DISPATCH | VT_BYREF:
      return !value_.ppdispVal || !*value_.ppdispVal;
    default:
      return false;
  }
}

std::string OleValue::Text() const {
  if (IsEmpty()) return {};
  VARIANT text = Converted(value_, VT_BSTR);
  std::string result = FromBstr(text.bstrVal);
  VariantClear(&text);
  return result;
}

int OleValue::Int() const {
  if (IsEmpty()) return 0;
  return Converted(value_, VT_I4).lVal;
}

bool OleValue::Bool() const {
  if (IsEmpty()) return false;
  return Converted(value_, VT_BOOL).boolVal != VARIANT_FALSE;
}

OleObject OleValue::Object() const {
  if (IsEmpty()) return OleObject();
  VARIANT object = Converted(value_, VT_DISPATCH);
  OleObject result(object.pdispVal);
  VariantClear(&object);
  return result;
}

OleObject::OleObject(IDispatch* dispatch) noexcept : dispatch_(dispatch) {
  if (dispatch_) dispatch_->AddRef();
}

OleObject::OleObject(const OleObject& other) noexcept : OleObject(other.dispatch_) { ids_ = other.ids_; }

OleObject::OleObject(OleObject&& other) noexcept : dispatch_(other.dispatch_), ids_(std::move(other.ids_)) {
  other.dispatch_ = nullptr;
}

OleObject& OleObject::operator=(OleObject other) noexcept {
  std::swap(dispatch_, other.dispatch_);
  std::swap(ids_, other.ids_);
  return *this;
}

OleObject::~OleObject() { Clear(); }

void OleObject::Clear() noexcept {
  if (dispatch_) dispatch_->Release();
  dispatch_ = nullptr;
  ids_.reset();
}

OleObject OleObject::Create(std::wstring_view progId) {
  const std::wstring id(progId);
  CLSID clsid{};
  HRESULT hr = CLSIDFromProgID(id.c_str(), &clsid);
  if (FAILED(hr)) throw OleError(SystemText(hr), hr);
  IDispatch* dispatch = nullptr;
  hr = CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER, IID_IDispatch,
                        reinterpret_cast<void**>(&dispatch));
  if (FAILED(hr)) throw OleError(SystemText(hr), hr);
  OleObject object(dispatch);
  dispatch->Release();
  return object;
}

DISPID OleObject::MemberId(std::string_view member) const {
  if (!dispatch_) {
    throw OleError("Cannot use \"" + std::string(member) + "\": there is no automation object.", E_POINTER);
  }
  if (!ids_) ids_ = std::make_shared<MemberIds>();
  if (const auto known = ids_->find(member); known != ids_->end()) return known->second;
  std::wstring name = Widen(member);
  LPOLESTR names[] = {name.data()};
  DISPID id = DISPID_UNKNOWN;
  const HRESULT hr = dispatch_->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
  if (hr == DISP_E_UNKNOWNNAME) {
    throw OleError("The automation object has no member \"" + std::string(member) + "\".", hr);
  }
  if (FAILED(hr)) throw OleError(SystemText(hr), hr);
  ids_->emplace(std::string(member), id);
  return id;
}

OleValue OleObject::Invoke(std::string_view member, WORD flags, const OleArg* args, std::size_t count) const {
  const DISPID id = MemberId(member);
  // Automation takes the arguments last first; the variants stay owned by `args`.
  std::vector<VARIANTARG> reversed(count);
  for (std::size_t i = 0; i < count; ++i) reversed[count - 1 - i] = args[i].Variant();
  DISPPARAMS params{reversed.data(), nullptr, static_cast<UINT>(count), 0};
  OleValue result;
  EXCEPINFO info{};
  UINT badArg = 0;
  const HRESULT hr =
      dispatch_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, result.Receive(), &info, &badArg);
  CheckInvoke(hr, info, member);
  return result;
}

// An object goes into a property by reference, as servers that hold objects
// expect; one that only knows the plain put gets that instead.
void OleObject::Put(std::string_view member, const OleArg& value) const {
  const DISPID id = MemberId(member);
  VARIANTARG arg = value.Variant();
  DISPID named = DISPID_PROPERTYPUT;
  DISPPARAMS params{&arg, &named, 1, 1};
  const bool object = arg.vt == VT_DISPATCH || arg.vt == VT_UNKNOWN;
  EXCEPINFO info{};
  UINT badArg = 0;
  HRESULT hr =
      dispatch_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, object ? DISPATCH_PROPERTYPUTREF : DISPATCH_PROPERTYPUT,
                        &params, nullptr, &info, &badArg);
  if (object && hr == DISP_E_MEMBERNOTFOUND) {
    hr = dispatch_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT, &params, nullptr, &info, &badArg);
  }
  CheckInvoke(hr, info, member);
}

}  // namespace qrv
