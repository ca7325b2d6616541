#pragma once
// The fixture of the hosting tests: a 200 x 100 framework window on a GUI thread of the
// headless backend, OLE initialised on that thread, a vertical layout as its root with
// the control under test at (10,20)-(110,70) (100 x 50), and the scripted control
// registered under the classes a test asks for. The notification "showactivex" joins
// the call record as "notify:showactivex". At the end the window goes, the classes are
// unregistered, and no scripted object may be left alive.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "testing/driver/GuiThread.h"
#include "testing/driver/TestDriver.h"
#include "platform/com/OleHosting.h"
#include "tests/ui/controls/support/ScriptRecord.h"
#include "tests/ui/controls/support/ScriptedOleControl.h"
#include "tests/ui/core/support/WindowTestSupport.h"
#include "ui/core/control/CVerticalLayoutUI.h"

namespace oletest {

// A class and ProgID of the tests' own.
extern const CLSID CLSID_ScriptedControl;
extern const wchar_t kScriptedProgId[];

// Adds "notify:showactivex" to the call record.
class ShowActiveXListener : public SkinUI::INotifyUI {
 public:
  void Notify(SkinUI::UINotifyRecord& msg) override;
};

class OleHostTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Registers the scripted control under the class for this test.
  void RegisterScripted(const CLSID& clsid, const wchar_t* progId = L"");
  // On the GUI thread: the window, with the control (which the root then owns) in it.
  void Build(SkinUI::CControlUI* control);
  // Runs on the GUI thread and lets the window paint and lay out.
  void OnGui(std::function<void()> call);

  HWND Frame() const { return window->GetHWND(); }
  SkinUI::CWindowManagerUI& Manager() { return window->Manager(); }

  platform::headless::TestDriver driver;
  platform::headless::GuiThread gui;
  std::unique_ptr<wintest::ManagedWindow> window;
  SkinUI::CVerticalLayoutUI* root = nullptr;

 private:
  std::vector<CLSID> registered_;
  ShowActiveXListener listener_;
};

}  // namespace oletest
