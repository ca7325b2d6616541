#pragma once
// What the skin builder needs of a tree view, a control that answers "TreeView":
// taking a node at the top level of the tree.
#include "platform/win32.h"

namespace SkinUI {

class CControlUI;

class ITreeViewUI {
 public:
  // False when the control is not a tree node; the caller keeps it then.
  virtual bool AddNode(CControlUI* pNode) = 0;

 protected:
  ~ITreeViewUI() = default;
};

}  // namespace SkinUI
