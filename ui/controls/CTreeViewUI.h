#pragma once
// A tree shown as a list without a header: every node is a row, each sub-tree right
// after its root. Collapsing a node hides its descendants, double-clicking it or its
// folder button toggles it, and checking a node's box checks every node below it.
#include <vector>

#include "ui/controls/CListUI.h"
#include "ui/core/control/ITreeViewUI.h"
#include "ui/core/manager/INotifyUI.h"

namespace SkinUI {

class CTreeNodeUI;

class CTreeViewUI : public CListUI, public INotifyUI, public ITreeViewUI {
 public:
  CTreeViewUI();
  ~CTreeViewUI() override;

  LPCTSTR GetClassName() const override;
  LPVOID GetInterface(LPCTSTR pstrName) override;
  void SetAttribute(LPCTSTR pstrName, LPCTSTR pstrValue) override;
  // Removes the row with its sub-tree; false when there is no row at the index.
  bool RemoveAt(int iIndex) override;
  void RemoveAll() override;

  // INotifyUI: the tree hears its nodes through delegates instead.
  void Notify(UINotifyRecord& msg) override;

  // ITreeViewUI: appends the node with its sub-tree; the node starts collapsed.
  bool AddNode(CControlUI* pControl) override;
  // Inserts the node before the row; false when either is missing.
  virtual bool AddNodeBefore(CControlUI* pControl, CControlUI* pIndexNode);
  // Inserts the node and its sub-tree, depth first, from the index on; the index
  // after the last row inserted, or -1 when nothing was inserted.
  virtual int AddNodeAt(CControlUI* pControl, int iIndex);
  // Removes the node with its sub-tree from the tree and from its parent node.
  virtual bool RemoveNode(CTreeNodeUI* pNode);

  // Bound to each node's notifications and its check box's and folder button's.
  virtual bool OnCheckBoxChanged(void* param);
  virtual bool OnFolderChanged(void* param);
  virtual bool OnDBClickItem(void* param);

  // Checks or unchecks every node below the node; without one, every node.
  virtual bool SetItemCheckBox(bool bSelected, CTreeNodeUI* pNode = nullptr);
  // Shows or hides the node's children, and theirs where they were expanded; without
  // a node, toggles every node.
  virtual void SetItemExpand(bool bExpanded, CTreeNodeUI* pNode = nullptr);

  virtual void SetVisibleFolderBtn(bool bVisible);
  virtual bool GetVisibleFolderBtn() const;
  virtual void SetVisibleCheckBtn(bool bVisible);
  virtual bool GetVisibleCheckBtn() const;
  virtual void SetItemMinWidth(UINT uWidth);
  virtual UINT GetItemMinWidth() const;
  virtual void SetItemTextColor(DWORD dwColor);
  virtual void SetItemHotTextColor(DWORD dwColor);
  virtual void SetSelItemTextColor(DWORD dwColor);
  virtual void SetSelItemHotTextColor(DWORD dwColor);

 private:
  // Whether the node is a row of a tree view already.
  bool IsListed(CTreeNodeUI* pNode) const;
  // The node's delegates, its parts' visibility and the minimum width.
  void Bind(CTreeNodeUI* pNode);
  // The tree's nodes, as rows of the list.
  CTreeNodeUI* NodeAt(int iIndex) const;
  // The node behind a part's notification: the part's parent's parent.
  static CTreeNodeUI* NodeOfPart(CControlUI* pPart);

  UINT m_uItemMinWidth;
  bool m_bVisibleFolderBtn;
  bool m_bVisibleCheckBtn;
};

}  // namespace SkinUI
