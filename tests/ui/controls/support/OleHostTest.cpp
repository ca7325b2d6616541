#include "tests/ui/controls/support/OleHostTest.h"

#include "platform/com/ClassRegistry.h"
#include "ui/core/manager/UINotifyRecord.h"

namespace oletest {

const CLSID CLSID_ScriptedControl = {0x5C1A7E00, 0x2024, 0x4A11, {0x9A, 0x11, 0x50, 0x41, 0x54, 0x52, 0x4F, 0x4C}};
const wchar_t kScriptedProgId[] = L"Patrol.ScriptedControl";

void ShowActiveXListener::Notify(SkinUI::UINotifyRecord& msg) {
  if (msg.sType == L"showactivex") ScriptRecord::Add("notify:showactivex");
}

void OleHostTest::SetUp() {
  uitest::EnsureInstance();
  ScriptRecord::Reset();
  ScriptedOleControl::ResetScript();
  gui.Call([] { ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr))); });
}

void OleHostTest::TearDown() {
  gui.Call([this] {
    if (window && ::IsWindow(window->GetHWND())) ::DestroyWindow(window->GetHWND());
    window.reset();
    OleUninitialize();
  });
  for (const CLSID& clsid : registered_) platform::com::ClassRegistry::Unregister(clsid);
  EXPECT_EQ(ScriptRecord::Live(), 0) << "every scripted object was let go";
}

void OleHostTest::RegisterScripted(const CLSID& clsid, const wchar_t* progId) {
  ScriptedOleControl::Register(clsid, progId);
  registered_.push_back(clsid);
}

void OleHostTest::Build(SkinUI::CControlUI* control) {
  window.reset(new wintest::ManagedWindow());
  window->Create(nullptr, L"host", WS_POPUP | WS_VISIBLE, 0, 100, 100, 200, 100);
  Manager().AddNotifier(&listener_);
  root = new SkinUI::CVerticalLayoutUI();
  root->SetBkColor(0xFFFFFFFF);
  root->SetInset(RECT{10, 20, 0, 0});
  control->SetFixedWidth(100);
  control->SetFixedHeight(50);
  root->Add(control);
  Manager().AttachRoot(root);
}

void OleHostTest::OnGui(std::function<void()> call) {
  gui.Call(std::move(call));
  ASSERT_TRUE(driver.WaitIdle());
}

}  // namespace oletest
