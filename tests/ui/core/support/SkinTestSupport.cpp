#include "tests/ui/core/support/SkinTestSupport.h"

#include "ui/core/builder/CDialogBuilder.h"
#include "ui/core/control/UIFindFlags.h"

namespace skintest {

namespace {

SkinUI::CControlUI* CALLBACK FindUpdateNeeded(SkinUI::CControlUI* pThis, LPVOID) {
  return pThis->IsUpdateNeeded() ? pThis : nullptr;
}

}  // namespace

void SkinTest::SetUp() {
  uitest::EnsureInstance();
  gui.Call([this] { host.reset(new uitest::Host(RECT{0, 0, 640, 480})); });
}

void SkinTest::TearDown() {
  gui.Call([this] { host.reset(); });
}

SkinUI::CControlUI* SkinTest::Load(const std::wstring& skin, SIZE client) {
  // The window gets the client size too, so that a paint of the window lays the tree
  // out on the same rectangle.
  ::SetWindowPos(Window(), nullptr, 0, 0, client.cx, client.cy, SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
  SkinUI::CDialogBuilder builder;
  SkinUI::CControlUI* root = builder.Create(skin.c_str(), nullptr, nullptr, &Manager());
  if (root == nullptr) return nullptr;
  Manager().AttachRoot(root);
  LayOut(RECT{0, 0, client.cx, client.cy});
  return root;
}

void SkinTest::LayOut(RECT rc) {
  SkinUI::CControlUI* root = Manager().GetRoot();
  if (root == nullptr) return;
  root->SetPos(rc);
  // A few rounds settle every layout: a scroll bar shown or hidden asks for one more.
  for (int round = 0; round < 8; ++round) {
    SkinUI::CControlUI* pending =
        root->FindControl(&FindUpdateNeeded, nullptr, SkinUI::UIFIND_VISIBLE | SkinUI::UIFIND_ME_FIRST);
    if (pending == nullptr) return;
    pending->SetPos(pending->GetPos());
  }
  ADD_FAILURE() << "the layout did not settle";
}

RECT SkinTest::PosOf(LPCTSTR name) {
  SkinUI::CControlUI* control = Find(name);
  if (control == nullptr) {
    ADD_FAILURE() << "no control named " << uitest::Narrow(name);
    return RECT{};
  }
  return control->GetPos();
}

}  // namespace skintest
