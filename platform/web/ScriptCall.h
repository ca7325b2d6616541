#pragma once
// One call of a native function from a page, while it runs: the calling view, the
// arguments, and the texts handed out for them. Calls nest when a native function
// runs a message loop in which another page calls in, so each thread keeps a stack.
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "platform/web/WebEngine.h"
#include "platform/web/Wke.h"

namespace platform::web {

class ScriptCall {
 public:
  ScriptCall(wkeWebView view, std::vector<ScriptValue> args);
  ~ScriptCall();
  ScriptCall(const ScriptCall&) = delete;
  ScriptCall& operator=(const ScriptCall&) = delete;

  // Runs the function inside this call and turns its result into a value for the page.
  ScriptValue Run(jsNativeFunction function);

  // The running call `es` names on this thread, or null.
  static ScriptCall* FromState(jsExecState es);
  // The argument a value names, among the calls running on this thread, or null.
  static const ScriptValue* ValueOf(jsValue value);

  wkeWebView View() const { return view_; }
  int ArgCount() const { return static_cast<int>(args_.size()); }
  jsValue Arg(int index) const;
  // The value's text, kept until the call ends; null for a value of no running call.
  const wchar_t* TempString(jsValue value);

 private:
  wkeWebView view_;
  std::vector<ScriptValue> args_;
  std::deque<std::wstring> texts_;
  uint32_t serial_;
};

}  // namespace platform::web
