#include "platform/web/ScriptValue.h"

namespace platform::web {

ScriptValue ScriptValue::FromString(std::string value) {
  ScriptValue result;
  result.kind = String;
  result.text = std::move(value);
  return result;
}

ScriptValue ScriptValue::FromNumber(double value) {
  ScriptValue result;
  result.kind = Number;
  result.number = value;
  return result;
}

ScriptValue ScriptValue::FromBoolean(bool value) {
  ScriptValue result;
  result.kind = Boolean;
  result.number = value ? 1 : 0;
  return result;
}

bool ScriptValue::operator==(const ScriptValue& other) const {
  return kind == other.kind && text == other.text && number == other.number;
}

}  // namespace platform::web
