#include "platform/web/ScriptCall.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>

#include "platform/base/CodePage.h"

namespace platform::web {

namespace {

// A value is its call's serial in the high half and its argument's index + 1 in the
// low half, so undefined (0) names nothing.
jsValue MakeValue(uint32_t serial, int index) {
  return static_cast<jsValue>((static_cast<uint64_t>(serial) << 32) | static_cast<uint32_t>(index + 1));
}

std::vector<ScriptCall*>& RunningCalls() {
  thread_local std::vector<ScriptCall*> calls;
  return calls;
}

uint32_t NextSerial() {
  static std::atomic<uint32_t> serial{0};
  uint32_t next = ++serial;
  if (next == 0) next = ++serial;
  return next;
}

std::string NumberText(double number) {
  if (std::isfinite(number) && number == std::floor(number) && std::fabs(number) < 1e15) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.0f", number);
    return buffer;
  }
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.17g", number);
  return buffer;
}

std::string ValueText(const ScriptValue& value) {
  switch (value.kind) {
    case ScriptValue::String:
      return value.text;
    case ScriptValue::Number:
      return NumberText(value.number);
    case ScriptValue::Boolean:
      return value.number != 0 ? "true" : "false";
    default:
      return "undefined";
  }
}

}  // namespace

ScriptCall::ScriptCall(wkeWebView view, std::vector<ScriptValue> args)
    : view_(view), args_(std::move(args)), serial_(NextSerial()) {
  RunningCalls().push_back(this);
}

ScriptCall::~ScriptCall() {
  auto& calls = RunningCalls();
  calls.erase(std::remove(calls.begin(), calls.end(), this), calls.end());
}

ScriptValue ScriptCall::Run(jsNativeFunction function) {
  const jsValue result = function(reinterpret_cast<jsExecState>(this));
  const ScriptValue* value = ValueOf(result);
  return value != nullptr ? *value : ScriptValue();
}

ScriptCall* ScriptCall::FromState(jsExecState es) {
  for (ScriptCall* call : RunningCalls()) {
    if (reinterpret_cast<jsExecState>(call) == es) return call;
  }
  return nullptr;
}

const ScriptValue* ScriptCall::ValueOf(jsValue value) {
  const auto serial = static_cast<uint32_t>(static_cast<uint64_t>(value) >> 32);
  const auto index = static_cast<int64_t>(static_cast<uint32_t>(value)) - 1;
  for (ScriptCall* call : RunningCalls()) {
    if (call->serial_ != serial) continue;
    if (index < 0 || index >= static_cast<int64_t>(call->args_.size())) return nullptr;
    return &call->args_[static_cast<size_t>(index)];
  }
  return nullptr;
}

jsValue ScriptCall::Arg(int index) const {
  if (index < 0 || index >= ArgCount()) return jsUndefined();
  return MakeValue(serial_, index);
}

const wchar_t* ScriptCall::TempString(jsValue value) {
  const ScriptValue* found = ValueOf(value);
  if (found == nullptr) return nullptr;
  texts_.push_back(codepage::Utf8ToWide(ValueText(*found)));
  return texts_.back().c_str();
}

}  // namespace platform::web
