#pragma once
// A test's own late-bound caller: it builds DISPPARAMS the way automation clients do
// (arguments reversed, a property write's value named DISPID_PROPERTYPUT), keeps the
// reference on each object it gets back, and remembers what a rejection said.
#include <string>
#include <vector>

#include "platform/com/Com.h"

namespace spreadsheet_test {

// Argument values, in call order. Texts are freed after the call.
VARIANT Text(const std::wstring& text);
VARIANT I2(SHORT value);
VARIANT I4(LONG value);
VARIANT Omitted();

class AutomationClient {
 public:
  AutomationClient() = default;
  explicit AutomationClient(IDispatch* object) : object_(object) {}
  ~AutomationClient();
  AutomationClient(AutomationClient&& other) noexcept;
  AutomationClient& operator=(AutomationClient&& other) noexcept;
  AutomationClient(const AutomationClient&) = delete;
  AutomationClient& operator=(const AutomationClient&) = delete;

  // Creates "Excel.Application" on the calling thread, which must have COM initialised.
  static AutomationClient CreateApplication();

  IDispatch* get() const { return object_; }
  explicit operator bool() const { return object_ != nullptr; }

  HRESULT Invoke(DISPID id, WORD flags, std::vector<VARIANT> arguments, VARIANT* result = nullptr);
  // A property read giving an object; an empty client when it failed.
  AutomationClient Get(DISPID id, std::vector<VARIANT> arguments = {});
  // A property read giving a number; -1 when it failed.
  LONG GetNumber(DISPID id);
  HRESULT Put(DISPID id, VARIANT value, std::vector<VARIANT> arguments = {});
  HRESULT Call(DISPID id, std::vector<VARIANT> arguments = {});

  // The description of the last rejected call (DISP_E_EXCEPTION).
  const std::wstring& rejection() const { return rejection_; }
  HRESULT lastResult() const { return lastResult_; }

 private:
  IDispatch* object_ = nullptr;
  std::wstring rejection_;
  HRESULT lastResult_ = S_OK;
};

}  // namespace spreadsheet_test
