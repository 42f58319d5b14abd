// The automation side shared by every stand-in object: reference counting,
// members found by name, the arguments of a call read as automation reads
// them, every call written to the log, and refusals turned into the error
// reports Outlook gives. No C++ exception leaves Invoke.
#pragma once

#include <windows.h>
#include <oaidl.h>

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace standin {

// A put by reference is how an object is put into a property that holds one.
enum Access : unsigned { kCall = 1, kGet = 2, kPut = 4, kPutRef = 8 };

struct Member {
  const char* name;
  unsigned access;  // the Access ways it can be used
};

// A refused call. Normally an exception report with Outlook's description;
// `direct` codes (wrong argument count or type) are returned as they are.
struct Fault {
  HRESULT code = E_FAIL;
  std::string message;
  bool direct = false;
  UINT argument = 0;
};
[[noreturn]] void Refuse(std::string message);

class Object;

// The arguments of one call, first first; a put's value is the last one.
class Args {
 public:
  explicit Args(const DISPPARAMS& params);
  ~Args();
  Args(const Args&) = delete;
  Args& operator=(const Args&) = delete;

  std::size_t Count() const { return values_.size(); }
  void Expect(std::size_t min, std::size_t max) const;
  // Present and not left out as an optional argument.
  bool Given(std::size_t i) const;
  bool IsText(std::size_t i) const { return Given(i) && values_[i].vt == VT_BSTR; }
  // Converted as automation converts; a value that does not convert is a type mismatch.
  std::string Text(std::size_t i) const;
  int Int(std::size_t i) const;
  bool Bool(std::size_t i) const;
  double Date(std::size_t i) const;
  // One of our objects, or null for anything else.
  Object* Obj(std::size_t i) const;
  std::string Notation() const;

 private:
  VARIANT Converted(std::size_t i, VARTYPE type) const;
  std::vector<VARIANT> values_;
};

// A result on its way back to the caller.
class Var {
 public:
  Var() { VariantInit(&value_); }
  Var(Var&& other) noexcept : value_(other.value_) { VariantInit(&other.value_); }
  Var& operator=(Var&&) = delete;
  ~Var() { VariantClear(&value_); }

  static Var Text(std::string_view text);
  static Var Int(int value);
  static Var Bool(bool value);
  static Var Date(double value);
  // Takes over the reference `fresh` was created with.
  static Var Of(Object* fresh);
  // "Nothing there", in the form the settings ask for.
  static Var Nothing();

  VARIANT Release();
  const VARIANT& Value() const { return value_; }

 private:
  VARIANT value_;
};

// The log's form of a value: "text", 42, true, #3/5/2004#, Folder#3, <omitted>.
std::string Notation(const VARIANT& value);

class Object : public IDispatch {
 public:
  // `detail` goes into the log line that records the object's birth.
  Object(const char* className, std::string_view detail);
  virtual ~Object();
  Object(const Object&) = delete;
  Object& operator=(const Object&) = delete;

  const std::string& Name() const { return name_; }
  const char* ClassName() const { return className_; }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                                   EXCEPINFO* info, UINT* argError) override;

 protected:
  virtual std::span<const Member> Members() const = 0;
  // Whether this object has the member (an item's kind decides for items).
  virtual bool Has(int) const { return true; }
  // Carries out member `member` (its index in Members()); throws Fault.
  virtual Var Answer(int member, Access access, const Args& args) = 0;

 private:
  HRESULT Answered(int member, Access access, const DISPPARAMS& params, VARIANT* result);

  LONG refs_ = 1;
  const char* className_;
  std::string name_;
};

}  // namespace standin
