#include <memory>
#include <string>

#include "tests/fuzz/FuzzTargets.h"
#include "tests/fuzz/FuzzText.h"
#include "tests/fuzz/FuzzWindow.h"
#include "ui/core/builder/CDialogBuilder.h"
#include "ui/core/control/CControlUI.h"
#include "ui/core/manager/CWindowManagerUI.h"

namespace fuzz {

// Small skins only: the parser's limits are the markup target's, and a build costs
// far more per byte.
int FuzzDialogBuilder(const uint8_t* data, size_t size) {
  if (size > 4096) return 0;
  // Text that does not begin with '<' would name a skin file.
  const std::wstring skin = L"<" + WideFromUtf8(data, size);
  std::unique_ptr<SkinUI::CWindowManagerUI> manager = FuzzWindow::Get().NewManager();
  SkinUI::CDialogBuilder builder;
  SkinUI::CControlUI* root = builder.Create(skin.c_str(), nullptr, nullptr, manager.get());
  if (root != nullptr) manager->AttachRoot(root);  // the manager deletes it
  return 0;
}

}  // namespace fuzz
