#pragma once
// One IDispatch::Invoke as an automation object of the spreadsheet reads it: the member's
// kind and arguments checked against what the member takes, its result handed back, and
// a rejection described in the caller's EXCEPINFO.
#include <string>
#include <string_view>

#include "platform/com/Dispatch.h"

namespace platform::spreadsheet {

// The application's own code for a call it rejects.
constexpr SCODE kRejectedCall = static_cast<SCODE>(0x800A03EC);

class DispatchCall {
 public:
  DispatchCall(DISPID id, WORD flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO* info, UINT* argError);

  DISPID Id() const { return id_; }

  // The call's shape: DISP_E_MEMBERNOTFOUND when the member is not called as `kind`,
  // DISP_E_BADPARAMCOUNT for fewer than `required` or more than `allowed` positional
  // arguments, DISP_E_PARAMNOTFOUND for a property write without its value and
  // DISP_E_NONAMEDARGS for any other named argument.
  HRESULT Expect(WORD kind, UINT required, UINT allowed);

  // Positional arguments, 0 first. A value of another type is DISP_E_TYPEMISMATCH; an
  // omitted one (VT_ERROR DISP_E_PARAMNOTFOUND) where a value is needed is
  // DISP_E_PARAMNOTFOUND.
  HRESULT Text(UINT index, std::wstring* value);
  HRESULT Int32(UINT index, LONG* value);
  HRESULT Int16(UINT index, SHORT* value);
  // True when the argument was passed and is not the omitted marker.
  bool IsPresent(UINT index) const;
  // An argument this object does not take a value for: absent or omitted, else
  // DISP_E_TYPEMISMATCH.
  HRESULT Omitted(UINT index);

  // The value of a property write.
  HRESULT PutText(std::wstring* value);
  // The same text without a copy: it lives as long as the call.
  HRESULT PutText(std::wstring_view* value);
  HRESULT PutInt32(LONG* value);
  HRESULT PutInt16(SHORT* value);

  // Hands back an object (taking over its one reference) or a number.
  HRESULT Return(IDispatch* object);
  HRESULT Return(LONG value);
  // The application refused the call: DISP_E_EXCEPTION with the description.
  HRESULT Reject(const std::wstring& description);

 private:
  UINT PositionalCount() const;
  VARIANT* Positional(UINT index) const;
  HRESULT Mismatch(const VARIANT* argument);
  static bool IsOmitted(const VARIANT* argument);
  template <typename T>
  HRESULT Read(VARIANT* argument, VARTYPE type, T VARIANT::*field, T* value);

  DISPID id_;
  WORD flags_;
  DISPPARAMS* params_;
  VARIANT* result_;
  EXCEPINFO* info_;
  UINT* argError_;
};

}  // namespace platform::spreadsheet
