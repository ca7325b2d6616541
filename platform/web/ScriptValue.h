#pragma once
#include <string>

namespace platform::web {

// A value crossing between a page's script and native code. Texts are UTF-8.
struct ScriptValue {
  enum Kind { Undefined, String, Number, Boolean };
  Kind kind = Undefined;
  std::string text;
  double number = 0;

  static ScriptValue FromString(std::string value);
  static ScriptValue FromNumber(double value);
  static ScriptValue FromBoolean(bool value);
  bool operator==(const ScriptValue& other) const;
};

}  // namespace platform::web
