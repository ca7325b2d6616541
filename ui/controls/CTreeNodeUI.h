#pragma once
// A node of a tree view: a list row holding a row of parts, an indent line that grows
// by 16 pixels per level, a check box, the item's text button and a folder button
// (selected while the node is collapsed). The node knows its parent and its child
// nodes; the tree view's list holds every node, each sub-tree right after its root.
#include <memory>
#include <vector>

#include "ui/controls/CListContainerElementUI.h"
#include "ui/core/control/ITreeNodeUI.h"

namespace SkinUI {

class CCheckBoxUI;
class CHorizontalLayoutUI;
class CLabelUI;
class COptionUI;
class CTreeViewUI;

class CTreeNodeUI : public CListContainerElementUI, public ITreeNodeUI {
 public:
  // Indented one level below a parent node; a parent that is no tree node is ignored.
  explicit CTreeNodeUI(CControlUI* pParent = nullptr);
  // Leaves its parent's child list, and its children without a parent; outside a tree
  // view it deletes its child nodes along.
  ~CTreeNodeUI() override;

  LPCTSTR GetClassName() const override;
  LPVOID GetInterface(LPCTSTR pstrName) override;
  // The parts row shows the tooltip: it covers the node.
  void SetToolTip(LPCTSTR pstrText) override;
  void HandleEvent(UIEventRecord& event) override;
  void SetAttribute(LPCTSTR pstrName, LPCTSTR pstrValue) override;

  // A tree node given to Add becomes a child node; AddAt takes nothing else.
  bool Add(CControlUI* pControl) override;
  bool AddAt(CControlUI* pControl, int iIndex) override;
  // Removes a child node with its sub-tree.
  bool Remove(CControlUI* pControl) override;

  // IListItemUI
  bool Select(bool bSelect = true) override;

  // ITreeNodeUI
  IContainerUI* GetRowLayout() override;

  void SetItemText(LPCTSTR pstrValue);
  CUIString GetItemText() const;
  void SetItemTextColor(DWORD dwColor);
  DWORD GetItemTextColor() const;
  void SetItemHotTextColor(DWORD dwColor);
  DWORD GetItemHotTextColor() const;
  void SetSelItemTextColor(DWORD dwColor);
  DWORD GetSelItemTextColor() const;
  void SetSelItemHotTextColor(DWORD dwColor);
  DWORD GetSelItemHotTextColor() const;
  void SetVisibleFolderButton(bool bVisible);
  bool GetVisibleFolderButton() const;
  void SetVisibleCheckBox(bool bVisible);
  bool GetVisibleCheckBox() const;

  // False for null and for controls that are no tree node.
  bool AddChildNode(CControlUI* pControl);
  int GetCountChild() const;
  CTreeNodeUI* GetChildNode(int iIndex) const;
  bool IsHasChild() const;
  CTreeNodeUI* GetParentNode() const;
  // The last node of the sub-tree in depth-first order; the node itself without children.
  CTreeNodeUI* GetLastNode();
  // The node's row in its tree view, -1 without one.
  int GetNodeIndex() const;
  CTreeViewUI* GetTreeView() const;
  void SetTreeView(CTreeViewUI* pTreeView);
  // The node and its descendants, depth first.
  void CollectSubtree(std::vector<CTreeNodeUI*>& nodes);
  // Leaves the parent's child list.
  void DetachFromParent();

  bool IsCollapsed() const;
  int GetIndentWidth() const;
  CHorizontalLayoutUI* GetPartsRow() const;
  CCheckBoxUI* GetFolderButton() const;
  CLabelUI* GetDottedLine() const;
  CCheckBoxUI* GetCheckBox() const;
  COptionUI* GetItemButton() const;

  // Expires with the node: a handler of the node's notifications may delete it.
  std::weak_ptr<const bool> GetLifeToken() const;

 private:
  // Indents the child below this node, joins it to the item buttons' group and the
  // tree view; the child's own sub-tree is indented along.
  void PlaceChild(CTreeNodeUI* pChild);
  // Null, the node itself and nodes of a tree view cannot become children.
  bool IsJoinable(const CTreeNodeUI* pChild) const;
  void SetIndentWidth(int cx);
  // Hides a child that joins below a collapsed or hidden node.
  void HideIfFolded(CTreeNodeUI* pChild) const;
  // Sends one of the press notifications; false when the handler removed the node.
  bool NotifyAndStay(LPCTSTR pstrType);
  void ApplyTextColor(DWORD dwColor);

  DWORD m_dwItemTextColor;
  DWORD m_dwItemHotTextColor;
  DWORD m_dwSelItemTextColor;
  DWORD m_dwSelItemHotTextColor;
  // The parts are owned through the parts row, the parts row through the node.
  CHorizontalLayoutUI* m_pHoriz;
  CCheckBoxUI* m_pFolderButton;
  CLabelUI* m_pDottedLine;
  CCheckBoxUI* m_pCheckBox;
  COptionUI* m_pItemButton;
  CTreeViewUI* m_pTreeView;  // null until the node joins a tree view
  CTreeNodeUI* m_pParentNode;
  std::vector<CTreeNodeUI*> m_aChildNodes;  // owned by the tree view's list, else by this node
  std::shared_ptr<const bool> m_pLife;
};

}  // namespace SkinUI
