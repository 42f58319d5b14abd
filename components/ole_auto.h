// Late-bound OLE automation: call a method, get or put a property of an
// automation object by member name, the way the bar drives Outlook.
//
// OleObject holds one IDispatch reference and releases it when it goes; OleValue
// owns one result VARIANT and always clears it. Each member's number is asked
// of the object once and kept, since every question is a call to the server. A failed call throws OleError
// carrying the server's own description of the failure, so the caller's handler
// can show the user what Outlook said.
#pragma once

#include <windows.h>
#include <oaidl.h>

#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

namespace qrv {

// A failed automation call. The text is the server's description when it gave
// one, else the system's text for the error code.
class OleError : public std::runtime_error {
 public:
  OleError(const std::string& message, HRESULT code);
  HRESULT Code() const noexcept { return code_; }

 private:
  HRESULT code_;
};

// COM for the calling thread (a single-threaded apartment) for as long as it lives.
class OleSession {
 public:
  OleSession();
  ~OleSession();
  OleSession(const OleSession&) = delete;
  OleSession& operator=(const OleSession&) = delete;
  bool Started() const noexcept { return started_; }

 private:
  bool started_;
};

class OleObject;

// The numbers of an automation object's members by name. A member's number is
// fixed for the object's life, and for every object of one kind (Outlook's
// task items, say), so objects of a kind may share them.
using MemberIds = std::map<std::string, DISPID, std::less<>>;

// One argument of a call: text (UTF-8), integer, Boolean, an object, or an
// optional argument left out.
class OleArg {
 public:
  OleArg(const char* text);
  OleArg(std::string_view text);
  OleArg(const std::string& text);
  OleArg(int value);
  OleArg(bool value);
  OleArg(const OleObject& object);
  static OleArg Omitted();

  OleArg(const OleArg& other);
  OleArg& operator=(const OleArg& other);
  ~OleArg();

  const VARIANT& Variant() const noexcept { return value_; }

 private:
  OleArg() noexcept;
  VARIANT value_;
};

// The result of a call or get. Empty in all its forms: nothing (VT_EMPTY),
// null (VT_NULL) and an object reference that is null.
class OleValue {
 public:
  OleValue() noexcept;
  OleValue(OleValue&& other) noexcept;
  OleValue& operator=(OleValue&& other) noexcept;
  OleValue(const OleValue&) = delete;
  OleValue& operator=(const OleValue&) = delete;
  ~OleValue();

  bool IsEmpty() const noexcept;
  // Conversions as automation converts; an empty value gives "", 0, false or an
  // empty object. A value that does not convert throws OleError.
  std::string Text() const;
  int Int() const;
  bool Bool() const;
  OleObject Object() const;

  const VARIANT& Variant() const noexcept { return value_; }
  // Clears the value and hands it out to be filled by a call.
  VARIANT* Receive() noexcept;

 private:
  VARIANT value_;
};

class OleObject {
 public:
  OleObject() noexcept = default;
  // Shares `dispatch` (adds a reference of its own); null gives an empty object.
  explicit OleObject(IDispatch* dispatch) noexcept;
  OleObject(const OleObject& other) noexcept;
  OleObject(OleObject&& other) noexcept;
  OleObject& operator=(OleObject other) noexcept;
  ~OleObject();

  // The automation object registered under `progId` ("Outlook.Application").
  static OleObject Create(std::wstring_view progId);

  bool IsEmpty() const noexcept { return dispatch_ == nullptr; }
  IDispatch* Dispatch() const noexcept { return dispatch_; }
  void Clear() noexcept;
  // Keeps the member numbers in `ids`, shared with the other objects of this
  // object's kind: a member one of them looked up is not asked for again.
  void ShareMemberIds(std::shared_ptr<MemberIds> ids) noexcept { ids_ = std::move(ids); }

  // The arguments are OleArg or convert to one. (The list holds one argument
  // more than is passed, so that a call without arguments has a list too.)
  template <class... A>
  OleValue Call(std::string_view member, const A&... args) const {
    const OleArg list[] = {OleArg(args)..., OleArg::Omitted()};
    return Invoke(member, DISPATCH_METHOD | DISPATCH_PROPERTYGET, list, sizeof...(A));
  }
  template <class... A>
  OleValue Get(std::string_view member, const A&... args) const {
    const OleArg list[] = {OleArg(args)..., OleArg::Omitted()};
    return Invoke(member, DISPATCH_PROPERTYGET, list, sizeof...(A));
  }
  void Put(std::string_view member, const OleArg& value) const;

 private:
  OleValue Invoke(std::string_view member, WORD flags, const OleArg* args, std::size_t count) const;
  DISPID MemberId(std::string_view member) const;

  IDispatch* dispatch_ = nullptr;
  mutable std::shared_ptr<MemberIds> ids_;  // made at the first look-up unless shared
};

}  // namespace qrv
