#include "tests/ui/controls/support/ScriptedBrowserScope.h"

#include "platform/com/ClassRegistry.h"
#include "platform/com/OleApartment.h"
#include "platform/com/WebBrowser.h"
#include "tests/ui/controls/support/ScriptedOleControl.h"

namespace oletest {

ScriptedBrowserScope::ScriptedBrowserScope(platform::headless::GuiThread& ui) : ui_(ui) {
  ScriptedOleControl::ResetScript();
  ScriptedOleControl::Script().browser = true;
  ScriptedOleControl::Register(CLSID_WebBrowser);
  ui_.Call([] { ::OleInitialize(nullptr); });
}

ScriptedBrowserScope::~ScriptedBrowserScope() {
  ui_.Call([] { ::OleUninitialize(); });
  platform::com::ClassRegistry::Unregister(CLSID_WebBrowser);
}

}  // namespace oletest
