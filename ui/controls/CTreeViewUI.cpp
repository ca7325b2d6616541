#include "ui/controls/CTreeViewUI.h"

#include <cwchar>
#include <memory>

#include "ui/controls/CCheckBoxUI.h"
#include "ui/controls/CListBodyUI.h"
#include "ui/controls/CListHeaderUI.h"
#include "ui/controls/CTreeNodeUI.h"
#include "ui/core/types/CDelegate.h"
#include "ui/core/types/CUIValueParser.h"

namespace SkinUI {

namespace {

bool NameIs(LPCTSTR pstrName, LPCTSTR pstrExpected) { return _wcsicmp(pstrName, pstrExpected) == 0; }

CTreeNodeUI* AsNode(CControlUI* pControl) {
  if (pControl == nullptr) return nullptr;
  return static_cast<CTreeNodeUI*>(pControl->GetInterface(L"TreeNode"));
}

typedef CDelegate<CTreeViewUI, CTreeViewUI> TreeDelegate;

}  // namespace

CTreeViewUI::CTreeViewUI() : m_uItemMinWidth(0), m_bVisibleFolderBtn(true), m_bVisibleCheckBtn(false) {
  m_pHeader->SetVisible(false);
}

CTreeViewUI::~CTreeViewUI() = default;

LPCTSTR CTreeViewUI::GetClassName() const { return L"TreeViewUI"; }

LPVOID CTreeViewUI::GetInterface(LPCTSTR pstrName) {
  if (pstrName != nullptr && NameIs(pstrName, L"TreeView")) return static_cast<CTreeViewUI*>(this);
  return CListUI::GetInterface(pstrName);
}

void CTreeViewUI::Notify(UINotifyRecord&) {}

CTreeNodeUI* CTreeViewUI::NodeAt(int iIndex) const { return AsNode(GetItemAt(iIndex)); }

CTreeNodeUI* CTreeViewUI::NodeOfPart(CControlUI* pPart) {
  if (pPart == nullptr || pPart->GetParent() == nullptr) return nullptr;
  return AsNode(pPart->GetParent()->GetParent());
}

void CTreeViewUI::Bind(CTreeNodeUI* pNode) {
  pNode->OnNotifyDelegates.Add(TreeDelegate(this, &CTreeViewUI::OnDBClickItem));
  pNode->GetFolderButton()->OnNotifyDelegates.Add(TreeDelegate(this, &CTreeViewUI::OnFolderChanged));
  pNode->GetCheckBox()->OnNotifyDelegates.Add(TreeDelegate(this, &CTreeViewUI::OnCheckBoxChanged));
  pNode->SetVisibleFolderButton(m_bVisibleFolderBtn);
  pNode->SetVisibleCheckBox(m_bVisibleCheckBtn);
  if (m_uItemMinWidth > 0) pNode->SetMinWidth(static_cast<int>(m_uItemMinWidth));
}

bool CTreeViewUI::IsListed(CTreeNodeUI* pNode) const {
  return pNode->GetTreeView() != nullptr && pNode->GetNodeIndex() >= 0;
}

bool CTreeViewUI::AddNode(CControlUI* pControl) {
  CTreeNodeUI* pNode = AsNode(pControl);
  // A node listed twice would be deleted twice.
  if (pNode == nullptr || IsListed(pNode)) return false;
  Bind(pNode);
  if (!CListUI::Add(pNode)) return false;
  for (int i = 0; i < pNode->GetCountChild(); ++i) AddNode(pNode->GetChildNode(i));
  pNode->SetTreeView(this);
  // A node that comes with children starts collapsed, and its folder button says so,
  // so that the first toggle opens it.
  if (pNode->IsHasChild() && !pNode->IsCollapsed()) pNode->GetFolderButton()->SetSelected(true);
  SetItemExpand(false, pNode);
  return true;
}

int CTreeViewUI::AddNodeAt(CControlUI* pControl, int iIndex) {
  CTreeNodeUI* pNode = AsNode(pControl);
  if (pNode == nullptr || IsListed(pNode)) return -1;
  Bind(pNode);
  if (!CListUI::AddAt(pNode, iIndex)) return -1;
  pNode->SetTreeView(this);
  int iNext = iIndex + 1;
  for (int i = 0; i < pNode->GetCountChild() && iNext >= 0; ++i) iNext = AddNodeAt(pNode->GetChildNode(i), iNext);
  return iNext;
}

bool CTreeViewUI::AddNodeBefore(CControlUI* pControl, CControlUI* pIndexNode) {
  if (pControl == nullptr || pIndexNode == nullptr) return false;
  const int iIndex = m_pList->GetItemIndex(pIndexNode);
  if (iIndex < 0) return false;
  return AddNodeAt(pControl, iIndex) >= 0;
}

bool CTreeViewUI::RemoveNode(CTreeNodeUI* pNode) {
  if (pNode == nullptr || m_pList->GetItemIndex(pNode) < 0) return false;
  std::vector<CTreeNodeUI*> subtree;
  pNode->CollectSubtree(subtree);
  pNode->DetachFromParent();
  const int iFirst = m_pList->GetItemIndex(pNode);

  // A selection inside the sub-tree goes silently; the nearest row before the
  // sub-tree takes it once every row is gone, so that the "itemselect" handler
  // finds the tree whole.
  bool bSelectionRemoved = false;
  for (CTreeNodeUI* pRow : subtree) {
    if (m_iCurSel < 0 || GetItemAt(m_iCurSel) != pRow) continue;
    pRow->Select(false);
    m_iCurSel = -1;
    bSelectionRemoved = true;
  }
  // Unlinked before any is deleted, deepest last rows first.
  for (CTreeNodeUI* pRow : subtree) {
    while (pRow->IsHasChild()) pRow->GetChildNode(pRow->GetCountChild() - 1)->DetachFromParent();
    pRow->SetTreeView(nullptr);
  }
  for (auto it = subtree.rbegin(); it != subtree.rend(); ++it) CListUI::Remove(*it);
  if (bSelectionRemoved) SelectItem(FindSelectable(iFirst, false), false);
  return true;
}

bool CTreeViewUI::RemoveAt(int iIndex) {
  CControlUI* pRow = GetItemAt(iIndex);
  if (pRow == nullptr) return false;
  CTreeNodeUI* pNode = AsNode(pRow);
  if (pNode != nullptr) return RemoveNode(pNode);
  return CListUI::RemoveAt(iIndex);
}

void CTreeViewUI::RemoveAll() { CListUI::RemoveAll(); }

bool CTreeViewUI::OnCheckBoxChanged(void* param) {
  const UINotifyRecord* pMsg = static_cast<const UINotifyRecord*>(param);
  if (pMsg->sType != L"selectchanged") return true;
  CCheckBoxUI* pCheckBox = static_cast<CCheckBoxUI*>(pMsg->pSender);
  CTreeNodeUI* pNode = NodeOfPart(pCheckBox);
  if (pNode != nullptr) SetItemCheckBox(pCheckBox->GetCheck(), pNode);
  return true;
}

bool CTreeViewUI::OnFolderChanged(void* param) {
  const UINotifyRecord* pMsg = static_cast<const UINotifyRecord*>(param);
  if (pMsg->sType != L"selectchanged") return true;
  CCheckBoxUI* pFolder = static_cast<CCheckBoxUI*>(pMsg->pSender);
  CTreeNodeUI* pNode = NodeOfPart(pFolder);
  if (pNode != nullptr) SetItemExpand(!pFolder->GetCheck(), pNode);
  return true;
}

bool CTreeViewUI::OnDBClickItem(void* param) {
  const UINotifyRecord* pMsg = static_cast<const UINotifyRecord*>(param);
  if (_wcsicmp(pMsg->sType, L"treeitemdbclick") != 0) return false;
  CTreeNodeUI* pNode = AsNode(pMsg->pSender);
  if (pNode == nullptr) return false;
  const std::weak_ptr<const bool> life = pNode->GetLifeToken();
  CCheckBoxUI* pFolder = pNode->GetFolderButton();
  pFolder->SetSelected(!pFolder->IsSelected());
  // The folder's "selectchanged" went to the window too, whose handler may have
  // taken the node away.
  if (life.expired() || pNode->GetTreeView() != this) return true;
  SetItemExpand(!pFolder->GetCheck(), pNode);
  return true;
}

bool CTreeViewUI::SetItemCheckBox(bool bSelected, CTreeNodeUI* pNode) {
  if (pNode != nullptr) {
    // A copy: the boxes' handlers may change the tree.
    const int nChildren = pNode->GetCountChild();
    std::vector<CTreeNodeUI*> children;
    for (int i = 0; i < nChildren; ++i) children.push_back(pNode->GetChildNode(i));
    for (CTreeNodeUI* pChild : children) {
      pChild->GetCheckBox()->SetCheck(bSelected);
      if (pChild->IsHasChild()) SetItemCheckBox(bSelected, pChild);
    }
    return true;
  }
  for (int i = 0; i < GetCount(); ++i) {
    CTreeNodeUI* pRow = NodeAt(i);
    if (pRow == nullptr) continue;
    pRow->GetCheckBox()->SetCheck(bSelected);
    if (pRow->IsHasChild()) SetItemCheckBox(bSelected, pRow);
  }
  return true;
}

void CTreeViewUI::SetItemExpand(bool bExpanded, CTreeNodeUI* pNode) {
  if (pNode != nullptr) {
    for (int i = 0; i < pNode->GetCountChild(); ++i) {
      CTreeNodeUI* pChild = pNode->GetChildNode(i);
      pChild->SetVisible(bExpanded);
      // A collapsed child keeps its sub-tree as it is.
      if (pChild->IsHasChild() && !pChild->IsCollapsed()) SetItemExpand(bExpanded, pChild);
    }
    return;
  }
  for (int i = 0; i < GetCount(); ++i) {
    CTreeNodeUI* pRow = NodeAt(i);
    if (pRow == nullptr) continue;
    CCheckBoxUI* pFolder = pRow->GetFolderButton();
    pFolder->SetSelected(!pFolder->IsSelected());
    if (pRow->IsHasChild() && !pRow->IsCollapsed()) SetItemExpand(bExpanded, pRow);
  }
}

void CTreeViewUI::SetVisibleFolderBtn(bool bVisible) {
  m_bVisibleFolderBtn = bVisible;
  for (int i = 0; i < GetCount(); ++i) {
    CTreeNodeUI* pRow = NodeAt(i);
    if (pRow != nullptr) pRow->SetVisibleFolderButton(bVisible);
  }
}

bool CTreeViewUI::GetVisibleFolderBtn() const { return m_bVisibleFolderBtn; }

void CTreeViewUI::SetVisibleCheckBtn(bool bVisible) {
  m_bVisibleCheckBtn = bVisible;
  for (int i = 0; i < GetCount(); ++i) {
    CTreeNodeUI* pRow = NodeAt(i);
    if (pRow != nullptr) pRow->SetVisibleCheckBox(bVisible);
  }
}

bool CTreeViewUI::GetVisibleCheckBtn() const { return m_bVisibleCheckBtn; }

void CTreeViewUI::SetItemMinWidth(UINT uWidth) {
  m_uItemMinWidth = uWidth;
  for (int i = 0; i < GetCount(); ++i) GetItemAt(i)->SetMinWidth(static_cast<int>(uWidth));
  Invalidate();
}

UINT CTreeViewUI::GetItemMinWidth() const { return m_uItemMinWidth; }

void CTreeViewUI::SetItemTextColor(DWORD dwColor) {
  for (int i = 0; i < GetCount(); ++i) {
    CTreeNodeUI* pRow = NodeAt(i);
    if (pRow != nullptr) pRow->SetItemTextColor(dwColor);
  }
}

void CTreeViewUI::SetItemHotTextColor(DWORD dwColor) {
  for (int i = 0; i < GetCount(); ++i) {
    CTreeNodeUI* pRow = NodeAt(i);
    if (pRow != nullptr) pRow->SetItemHotTextColor(dwColor);
  }
}

void CTreeViewUI::SetSelItemTextColor(DWORD dwColor) {
  for (int i = 0; i < GetCount(); ++i) {
    CTreeNodeUI* pRow = NodeAt(i);
    if (pRow != nullptr) pRow->SetSelItemTextColor(dwColor);
  }
}

void CTreeViewUI::SetSelItemHotTextColor(DWORD dwColor) {
  for (int i = 0; i < GetCount(); ++i) {
    CTreeNodeUI* pRow = NodeAt(i);
    if (pRow != nullptr) pRow->SetSelItemHotTextColor(dwColor);
  }
}

void CTreeViewUI::SetAttribute(LPCTSTR pstrName, LPCTSTR pstrValue) {
  const bool bTrue = _wcsicmp(pstrValue, L"true") == 0;
  if (NameIs(pstrName, L"visiblefolderbtn")) {
    SetVisibleFolderBtn(bTrue);
  } else if (NameIs(pstrName, L"visiblecheckbtn")) {
    SetVisibleCheckBtn(bTrue);
  } else if (NameIs(pstrName, L"itemminwidth")) {
    SetItemMinWidth(static_cast<UINT>(CUIValueParser::ReadDecimal(pstrValue, nullptr)));
  } else if (NameIs(pstrName, L"itemtextcolor")) {
    SetItemTextColor(CUIValueParser::ReadColor(pstrValue));
  } else if (NameIs(pstrName, L"itemhottextcolor")) {
    SetItemHotTextColor(CUIValueParser::ReadColor(pstrValue));
  } else if (NameIs(pstrName, L"selitemtextcolor")) {
    SetSelItemTextColor(CUIValueParser::ReadColor(pstrValue));
  } else if (NameIs(pstrName, L"selitemhottextcolor")) {
    SetSelItemHotTextColor(CUIValueParser::ReadColor(pstrValue));
  } else {
    CListUI::SetAttribute(pstrName, pstrValue);
  }
}

}  // namespace SkinUI
