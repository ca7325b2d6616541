#pragma once
// While it lives, the scripted control answers as the web browser's class, and the UI
// thread given has joined OLE as the program's UI thread does at start-up, before any
// window hosts the browser. Windows hosting it are to be gone before it goes.
#include "testing/driver/GuiThread.h"

namespace oletest {

class ScriptedBrowserScope {
 public:
  explicit ScriptedBrowserScope(platform::headless::GuiThread& ui);
  ~ScriptedBrowserScope();
  ScriptedBrowserScope(const ScriptedBrowserScope&) = delete;
  ScriptedBrowserScope& operator=(const ScriptedBrowserScope&) = delete;

 private:
  platform::headless::GuiThread& ui_;
};

}  // namespace oletest
