#include "dispatch.h"

#include <cstdio>

#include "core/text.h"
#include "session.h"
#include "values.h"

namespace standin {
namespace {

// Asked for through QueryInterface, it tells our own objects from foreign ones.
const IID kStandInObject = {0x6d1f3b52, 0x8c0e, 0x4a97, {0x9e, 0x41, 0x2b, 0x7c, 0x55, 0xd0, 0x13, 0xa8}};

bool IsPut(Access access) { return access == kPut || access == kPutRef; }

const char* KindWord(Access access) { return IsPut(access) ? "put" : access == kGet ? "get" : "call"; }

// Which of the member's ways the caller's flags ask for; 0 when none fits.
Access AccessFor(WORD flags, unsigned allowed) {
  if (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) {
    if ((flags & DISPATCH_PROPERTYPUTREF) && (allowed & kPutRef)) return kPutRef;
    if ((flags & DISPATCH_PROPERTYPUT) && (allowed & kPut)) return kPut;
    return Access{};
  }
  if ((flags & DISPATCH_METHOD) && (allowed & kCall)) return kCall;
  if ((flags & DISPATCH_PROPERTYGET) && (allowed & kGet)) return kGet;
  return Access{};
}

BSTR Bstr(std::string_view text) {
  const std::wstring wide = Widen(text);
  return SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
}

Object* OurObject(IUnknown* unknown) {
  Object* object = nullptr;
  if (!unknown || FAILED(unknown->QueryInterface(kStandInObject, reinterpret_cast<void**>(&object)))) {
    return nullptr;
  }
  object->Release();  // the caller's variant keeps it alive
  return object;      // NOLINT(clang-analyzer-cplusplus.NewDelete): only the query's own reference was released
}

}  // namespace

void Refuse(std::string message) { throw Fault{E_FAIL, std::move(message)}; }

std::string Notation(const VARIANT& value) {
  char number[64];
  switch (value.vt) {
    case VT_EMPTY:
      return "<empty>";
    case VT_NULL:
      return "<null>";
    case VT_BSTR:
      return "\"" + Escape(Narrow(std::wstring_view(value.bstrVal, SysStringLen(value.bstrVal)))) + "\"";
    case VT_BOOL:
      return value.boolVal ? "true" : "false";
    case VT_DATE:
      return "#" + DateText(value.date) + "#";
    case VT_DISPATCH:
    case VT_UNKNOWN: {
      if (!value.punkVal) return "<nothing>";
      const Object* object = OurObject(value.punkVal);
      return object ? object->Name() : "<object>";
    }
    case VT_ERROR:
      if (value.scode == DISP_E_PARAMNOTFOUND) return "<omitted>";
      std::snprintf(number, sizeof number, "<error %08lX>", static_cast<unsigned long>(value.scode));
      return number;
    case VT_R4:
    case VT_R8: {
      std::snprintf(number, sizeof number, "%g", value.vt == VT_R4 ? value.fltVal : value.dblVal);
      std::string text = number;
      if (text.find_first_of(".en") == std::string::npos) text += ".0";  // never mistaken for an integer
      return text;
    }
    default:
      break;
  }
  VARIANT integer;
  VariantInit(&integer);
  if (SUCCEEDED(VariantChangeType(&integer, const_cast<VARIANT*>(&value), 0, VT_I8))) {
    std::snprintf(number, sizeof number, "%lld", static_cast<long long>(integer.llVal));
    return number;
  }
  std::snprintf(number, sizeof number, "<vt %u>", static_cast<unsigned>(value.vt));
  return number;
}

Args::Args(const DISPPARAMS& params) {
  // Automation passes the arguments last first, the named put value ahead of them all.
  const UINT named = params.cNamedArgs;
  for (UINT i = params.cArgs; i > named; --i) {
    values_.push_back(VARIANT{});
    VariantInit(&values_.back());
    VariantCopyInd(&values_.back(), &params.rgvarg[i - 1]);
  }
  if (named == 1) {
    values_.push_back(VARIANT{});
    VariantInit(&values_.back());
    VariantCopyInd(&values_.back(), &params.rgvarg[0]);
  }
}

Args::~Args() {
  for (VARIANT& value : values_) VariantClear(&value);
}

void Args::Expect(std::size_t min, std::size_t max) const {
  if (Count() < min || Count() > max) throw Fault{DISP_E_BADPARAMCOUNT, "", true};
}

bool Args::Given(std::size_t i) const {
  return i < Count() && !(values_[i].vt == VT_ERROR && values_[i].scode == DISP_E_PARAMNOTFOUND);
}

VARIANT Args::Converted(std::size_t i, VARTYPE type) const {
  const UINT position = static_cast<UINT>(Count() - 1 - i);
  if (!Given(i)) throw Fault{DISP_E_PARAMNOTFOUND, "", true, position};
  VARIANT out;
  VariantInit(&out);
  if (FAILED(VariantChangeTypeEx(&out, const_cast<VARIANT*>(&values_[i]), LOCALE_USER_DEFAULT, 0, type))) {
    throw Fault{DISP_E_TYPEMISMATCH, "", true, position};
  }
  return out;
}

std::string Args::Text(std::size_t i) const {
  VARIANT text = Converted(i, VT_BSTR);
  std::string result = Narrow(std::wstring_view(text.bstrVal, SysStringLen(text.bstrVal)));
  VariantClear(&text);
  return result;
}

int Args::Int(std::size_t i) const { return Converted(i, VT_I4).lVal; }

bool Args::Bool(std::size_t i) const { return Converted(i, VT_BOOL).boolVal != VARIANT_FALSE; }

double Args::Date(std::size_t i) const { return Converted(i, VT_DATE).date; }

Object* Args::Obj(std::size_t i) const {
  if (!Given(i)) return nullptr;
  const VARIANT& value = values_[i];
  return value.vt == VT_DISPATCH || value.vt == VT_UNKNOWN ? OurObject(value.punkVal) : nullptr;
}

std::string Args::Notation() const {
  std::string text;
  for (const VARIANT& value : values_) {
    if (!text.empty()) text += ", ";
    text += standin::Notation(value);
  }
  return text;
}

Var Var::Text(std::string_view text) {
  Var var;
  var.value_.vt = VT_BSTR;
  var.value_.bstrVal = Bstr(text);
  return var;
}

Var Var::Int(int value) {
  Var var;
  var.value_.vt = VT_I4;
  var.value_.lVal = value;
  return var;
}

Var Var::Bool(bool value) {
  Var var;
  var.value_.vt = VT_BOOL;
  var.value_.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
  return var;
}

Var Var::Date(double value) {
  Var var;
  var.value_.vt = VT_DATE;
  var.value_.date = value;
  return var;
}

Var Var::Of(Object* fresh) {
  Var var;
  var.value_.vt = VT_DISPATCH;
  var.value_.pdispVal = fresh;
  return var;
}

Var Var::Nothing() {
  Var var;
  switch (Session::Current().NothingAnswer()) {
    case standin::Nothing::kEmpty:
      break;
    case standin::Nothing::kNull:
      var.value_.vt = VT_NULL;
      break;
    case standin::Nothing::kNullObject:
      var.value_.vt = VT_DISPATCH;
      break;
  }
  return var;
}

VARIANT Var::Release() {
  VARIANT out = value_;
  VariantInit(&value_);
  return out;
}

Object::Object(const char* className, std::string_view detail) : className_(className) {
  Session& session = Session::Current();
  name_ = std::string(className) + "#" + std::to_string(session.NextSerial());
  session.ObjectBorn();
  session.Log("new", name_, {}, {}, detail);
}

Object::~Object() {
  Session& session = Session::Current();
  session.Log("free", name_);
  session.ObjectGone();
}

HRESULT Object::QueryInterface(REFIID iid, void** out) {
  if (!out) return E_POINTER;
  if (iid == IID_IUnknown || iid == IID_IDispatch || iid == kStandInObject) {
    *out = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
  }
  *out = nullptr;
  return E_NOINTERFACE;
}

ULONG Object::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&refs_)); }

ULONG Object::Release() {
  const LONG left = InterlockedDecrement(&refs_);
  if (left == 0) delete this;
  return static_cast<ULONG>(left);
}

HRESULT Object::GetTypeInfoCount(UINT* count) {
  if (!count) return E_POINTER;
  *count = 0;
  return S_OK;
}

HRESULT Object::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
  if (info) *info = nullptr;
  return DISP_E_BADINDEX;
}

HRESULT Object::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
  if (!names || !ids || count == 0) return E_INVALIDARG;
  for (UINT i = 0; i < count; ++i) ids[i] = DISPID_UNKNOWN;
  const std::string name = Narrow(names[0] ? std::wstring_view(names[0]) : std::wstring_view());
  // Logged, so that a test can tell how often a caller asks for a member's number.
  Session::Current().Log("name", name_, name);
  const std::span<const Member> members = Members();
  for (std::size_t i = 0; i < members.size(); ++i) {
    if (qrv::EqualsIgnoringCase(members[i].name, name) && Has(static_cast<int>(i))) {
      ids[0] = static_cast<DISPID>(i + 1);
      return count == 1 ? S_OK : DISP_E_UNKNOWNNAME;  // members take no named arguments
    }
  }
  return DISP_E_UNKNOWNNAME;
}

HRESULT Object::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO* info,
                       UINT* argError) {
  const std::span<const Member> members = Members();
  if (id < 1 || static_cast<std::size_t>(id) > members.size() || !Has(id - 1)) {
    return DISP_E_MEMBERNOTFOUND;
  }
  const Member& member = members[static_cast<std::size_t>(id - 1)];
  const Access access = AccessFor(flags, member.access);
  if (!access) return DISP_E_MEMBERNOTFOUND;
  if (!params || params->cNamedArgs > params->cArgs) return E_INVALIDARG;
  const bool namedPut =
      params->cNamedArgs == 1 && params->rgdispidNamedArgs && params->rgdispidNamedArgs[0] == DISPID_PROPERTYPUT;
  if (IsPut(access) ? !namedPut : params->cNamedArgs != 0) return DISP_E_PARAMNOTFOUND;
  if (result) VariantInit(result);

  Session& session = Session::Current();
  try {
    const HRESULT hr = Answered(id - 1, access, *params, result);
    session.Flush();
    return hr;
  } catch (const Fault& fault) {
    char code[32];
    std::snprintf(code, sizeof code, "<error %08lX>", static_cast<unsigned long>(fault.code));
    session.Log("fail", name_, member.name, Args(*params).Notation(),
                fault.message.empty() ? code : "\"" + Escape(fault.message) + "\"");
    session.Flush();
    if (fault.direct) {
      if (argError) *argError = fault.argument;
      return fault.code;
    }
    if (info) {
      *info = EXCEPINFO{};
      info->bstrSource = Bstr("Outlook");
      info->bstrDescription = Bstr(fault.message);
      info->scode = fault.code;
    }
    return DISP_E_EXCEPTION;
  } catch (...) {
    return E_UNEXPECTED;
  }
}

HRESULT Object::Answered(int member, Access access, const DISPPARAMS& params, VARIANT* result) {
  Session& session = Session::Current();
  session.Refresh();
  const Args args(params);
  const char* name = Members()[static_cast<std::size_t>(member)].name;
  if (session.Data().quit) {
    throw Fault{RPC_E_DISCONNECTED, "Outlook has been closed.", true};
  }
  if (const std::string* message = session.Failure(className_, name)) Refuse(*message);
  // A member told to be slow keeps the caller waiting, as a busy Outlook does.
  if (const DWORD ms = session.SlowMs(className_, name)) Sleep(ms);
  Var answer = Answer(member, access, args);
  // The store is written before the call is logged: a test that sees the call
  // in the log finds its effect in the store file.
  session.Flush();
  session.Log(KindWord(access), name_, name, args.Notation(), IsPut(access) ? "" : Notation(answer.Value()));
  if (result) *result = answer.Release();
  return S_OK;
}

}  // namespace standin
