#pragma once
// What the skin builder needs of a tree node, a control that answers "TreeNode":
// the row in which the node shows the controls written inside its element. Child
// nodes go through the node's own "IContainer" interface.
#include "ui/core/control/IContainerUI.h"

namespace SkinUI {

class ITreeNodeUI {
 public:
  virtual IContainerUI* GetRowLayout() = 0;

 protected:
  ~ITreeNodeUI() = default;
};

}  // namespace SkinUI
