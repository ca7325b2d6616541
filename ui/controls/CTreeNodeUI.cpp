#include "ui/controls/CTreeNodeUI.h"

#include <algorithm>
#include <cwchar>
#include <utility>

#include "ui/controls/CCheckBoxUI.h"
#include "ui/controls/CLabelUI.h"
#include "ui/controls/COptionUI.h"
#include "ui/controls/CTreeViewUI.h"
#include "ui/core/control/CHorizontalLayoutUI.h"
#include "ui/core/manager/CWindowManagerUI.h"
#include "ui/core/types/CUIValueParser.h"

namespace SkinUI {

namespace {

// A node's size and its parts' until a skin says otherwise.
const int kNodeHeight = 18;
const int kNodeWidth = 250;
const int kTopIndent = 2;
// Each level indents its nodes this much further than their parent.
const int kLevelIndent = 16;

bool IsMouseEvent(int type) { return type >= UIEVENT_MOUSEMOVE && type <= UIEVENT_SCROLLWHEEL; }

bool NameIs(LPCTSTR pstrName, LPCTSTR pstrExpected) { return _wcsicmp(pstrName, pstrExpected) == 0; }

CTreeNodeUI* AsNode(CControlUI* pControl) {
  if (pControl == nullptr) return nullptr;
  return static_cast<CTreeNodeUI*>(pControl->GetInterface(L"TreeNode"));
}

}  // namespace

CTreeNodeUI::CTreeNodeUI(CControlUI* pParent)
    : m_dwItemTextColor(0),
      m_dwItemHotTextColor(0),
      m_dwSelItemTextColor(0),
      m_dwSelItemHotTextColor(0),
      m_pHoriz(new CHorizontalLayoutUI),
      m_pFolderButton(new CCheckBoxUI),
      m_pDottedLine(new CLabelUI),
      m_pCheckBox(new CCheckBoxUI),
      m_pItemButton(new COptionUI),
      m_pTreeView(nullptr),
      m_pParentNode(nullptr),
      m_pLife(std::make_shared<const bool>(true)) {
  m_cxyFixed = SIZE{kNodeWidth, kNodeHeight};
  m_pFolderButton->SetFixedWidth(kNodeHeight);
  m_pDottedLine->SetFixedWidth(kTopIndent);
  m_pCheckBox->SetFixedWidth(kNodeHeight);
  m_pItemButton->SetAttribute(L"align", L"left");
  // Clicks on the text reach the node, which selects itself.
  m_pItemButton->SetMouseEnabled(false);
  m_pDottedLine->SetVisible(true);
  m_pCheckBox->SetVisible(true);

  const CTreeNodeUI* pParentNode = AsNode(pParent);
  if (pParentNode != nullptr) {
    m_pDottedLine->SetVisible(pParentNode->m_pDottedLine->IsVisible());
    SetIndentWidth(pParentNode->GetIndentWidth() + kLevelIndent);
  }

  m_pHoriz->Add(m_pDottedLine);
  m_pHoriz->Add(m_pCheckBox);
  m_pHoriz->Add(m_pItemButton);
  m_pHoriz->Add(m_pFolderButton);
  CListContainerElementUI::Add(m_pHoriz);
}

CTreeNodeUI::~CTreeNodeUI() {
  // Whichever of a parent and a child goes first unlinks the other.
  DetachFromParent();
  const std::vector<CTreeNodeUI*> children = std::move(m_aChildNodes);
  for (CTreeNodeUI* pChild : children) {
    pChild->m_pParentNode = nullptr;
    // A tree view's list owns its nodes; a sub-tree built outside any tree view has no
    // other owner than its root, so it goes with it (a skin's node that no tree took).
    if (pChild->m_pTreeView == nullptr) delete pChild;
  }
}

LPCTSTR CTreeNodeUI::GetClassName() const { return L"TreeNodeUI"; }

LPVOID CTreeNodeUI::GetInterface(LPCTSTR pstrName) {
  if (pstrName != nullptr && NameIs(pstrName, L"TreeNode")) return static_cast<CTreeNodeUI*>(this);
  return CListContainerElementUI::GetInterface(pstrName);
}

void CTreeNodeUI::SetToolTip(LPCTSTR pstrText) { m_pHoriz->SetToolTip(pstrText); }

std::weak_ptr<const bool> CTreeNodeUI::GetLifeToken() const { return m_pLife; }

bool CTreeNodeUI::NotifyAndStay(LPCTSTR pstrType) {
  const std::weak_ptr<const bool> life = m_pLife;
  // Taking the focus reports "killfocus" for the control that had it: its handler,
  // like the press notification's, may remove this node.
  SetFocus();
  if (life.expired() || m_pTreeView == nullptr) return false;
  if (m_pManager != nullptr) m_pManager->SendNotify(this, pstrType);
  if (life.expired() || m_pTreeView == nullptr) return false;
  return m_pTreeView->GetList()->GetItemAt(GetIndex()) == this;
}

void CTreeNodeUI::HandleEvent(UIEventRecord& event) {
  if (!IsMouseEnabled() && IsMouseEvent(event.Type)) {
    PassToOwner(event);
    return;
  }
  switch (event.Type) {
    case UIEVENT_DBLCLICK:
      if (!IsEnabled()) break;
      CListItemState::InvalidateVisiblePart(*this);
      if (m_pManager != nullptr) m_pManager->SendNotify(this, L"treeitemdbclick");
      return;
    case UIEVENT_BUTTONDOWN:
      if (IsEnabled() && !NotifyAndStay(L"TreeNodeLButtonDown")) return;
      break;
    case UIEVENT_BUTTONUP:
      if (IsEnabled() && !NotifyAndStay(L"TreeNodeLButtonUp")) return;
      break;
    case UIEVENT_MOUSEMOVE:
      if (IsEnabled() && !NotifyAndStay(L"TreeNodeLButtonMove")) return;
      break;
    case UIEVENT_MOUSEENTER:
      if (!IsEnabled()) {
        ApplyTextColor(m_pItemButton->GetDisabledTextColor());
      } else if (IsSelected() && m_dwSelItemHotTextColor != 0) {
        ApplyTextColor(m_dwSelItemHotTextColor);
      } else {
        ApplyTextColor(m_dwItemHotTextColor);
      }
      return;
    case UIEVENT_MOUSELEAVE:
      if (!IsEnabled()) {
        ApplyTextColor(m_pItemButton->GetDisabledTextColor());
      } else if (IsSelected()) {
        if (m_dwSelItemTextColor != 0) ApplyTextColor(m_dwSelItemTextColor);
      } else {
        ApplyTextColor(m_dwItemTextColor);
      }
      return;
    case UIEVENT_RBUTTONDOWN:
      if (m_pManager != nullptr) m_pManager->SendNotify(this, L"treeitemrclick");
      return;
    default:
      break;
  }
  CListContainerElementUI::HandleEvent(event);
}

void CTreeNodeUI::SetAttribute(LPCTSTR pstrName, LPCTSTR pstrValue) {
  if (NameIs(pstrName, L"text")) {
    SetItemText(pstrValue);
  } else if (NameIs(pstrName, L"horizattr")) {
    m_pHoriz->SetAttributeList(pstrValue);
  } else if (NameIs(pstrName, L"dotlineattr")) {
    m_pDottedLine->SetAttributeList(pstrValue);
  } else if (NameIs(pstrName, L"itemattr")) {
    m_pItemButton->SetAttributeList(pstrValue);
  } else if (NameIs(pstrName, L"folderattr")) {
    m_pFolderButton->SetAttributeList(pstrValue);
  } else if (NameIs(pstrName, L"checkboxattr")) {
    m_pCheckBox->SetAttributeList(pstrValue);
  } else if (NameIs(pstrName, L"itemtextcolor")) {
    SetItemTextColor(CUIValueParser::ReadColor(pstrValue));
  } else if (NameIs(pstrName, L"itemhottextcolor")) {
    SetItemHotTextColor(CUIValueParser::ReadColor(pstrValue));
  } else if (NameIs(pstrName, L"selitemtextcolor")) {
    SetSelItemTextColor(CUIValueParser::ReadColor(pstrValue));
  } else if (NameIs(pstrName, L"selitemhottextcolor")) {
    SetSelItemHotTextColor(CUIValueParser::ReadColor(pstrValue));
  } else {
    CListContainerElementUI::SetAttribute(pstrName, pstrValue);
  }
}

bool CTreeNodeUI::Select(bool bSelect) {
  if (!IsEnabled()) return false;
  // Coloured before the row tells its owner: the "itemselect" handler may remove it.
  ApplyTextColor(bSelect ? m_dwSelItemTextColor : m_dwItemTextColor);
  return CListContainerElementUI::Select(bSelect);
}

IContainerUI* CTreeNodeUI::GetRowLayout() { return m_pHoriz; }

void CTreeNodeUI::ApplyTextColor(DWORD dwColor) { m_pItemButton->SetTextColor(dwColor); }

void CTreeNodeUI::SetItemText(LPCTSTR pstrValue) { m_pItemButton->SetText(pstrValue); }

CUIString CTreeNodeUI::GetItemText() const { return m_pItemButton->GetText(); }

void CTreeNodeUI::SetItemTextColor(DWORD dwColor) {
  m_dwItemTextColor = dwColor;
  ApplyTextColor(dwColor);
}

DWORD CTreeNodeUI::GetItemTextColor() const { return m_dwItemTextColor; }

void CTreeNodeUI::SetItemHotTextColor(DWORD dwColor) {
  if (m_dwItemHotTextColor == dwColor) return;
  m_dwItemHotTextColor = dwColor;
  Invalidate();
}

DWORD CTreeNodeUI::GetItemHotTextColor() const { return m_dwItemHotTextColor; }

void CTreeNodeUI::SetSelItemTextColor(DWORD dwColor) {
  if (m_dwSelItemTextColor == dwColor) return;
  m_dwSelItemTextColor = dwColor;
  Invalidate();
}

DWORD CTreeNodeUI::GetSelItemTextColor() const { return m_dwSelItemTextColor; }

void CTreeNodeUI::SetSelItemHotTextColor(DWORD dwColor) {
  if (m_dwSelItemHotTextColor == dwColor) return;
  m_dwSelItemHotTextColor = dwColor;
  Invalidate();
}

DWORD CTreeNodeUI::GetSelItemHotTextColor() const { return m_dwSelItemHotTextColor; }

void CTreeNodeUI::SetVisibleFolderButton(bool bVisible) { m_pFolderButton->SetVisible(bVisible); }

bool CTreeNodeUI::GetVisibleFolderButton() const { return m_pFolderButton->IsVisible(); }

void CTreeNodeUI::SetVisibleCheckBox(bool bVisible) { m_pCheckBox->SetVisible(bVisible); }

bool CTreeNodeUI::GetVisibleCheckBox() const { return m_pCheckBox->IsVisible(); }

int CTreeNodeUI::GetIndentWidth() const { return m_pDottedLine->GetFixedWidth(); }

void CTreeNodeUI::SetIndentWidth(int cx) {
  m_pDottedLine->SetFixedWidth(cx);
  // A sub-tree built before it was placed moves along with its root.
  for (CTreeNodeUI* pChild : m_aChildNodes) pChild->SetIndentWidth(cx + kLevelIndent);
}

void CTreeNodeUI::PlaceChild(CTreeNodeUI* pChild) {
  if (pChild->m_pParentNode != nullptr && pChild->m_pParentNode != this) pChild->DetachFromParent();
  pChild->m_pParentNode = this;
  pChild->m_pDottedLine->SetVisible(true);
  pChild->SetIndentWidth(GetIndentWidth() + kLevelIndent);
  pChild->m_pItemButton->SetGroup(m_pItemButton->GetGroup());
  pChild->SetTreeView(m_pTreeView);
}

void CTreeNodeUI::HideIfFolded(CTreeNodeUI* pChild) const {
  // The node's own flag: a tree that is hidden as a whole hides no more of its rows.
  if (IsCollapsed() || !m_bVisible) pChild->SetVisible(false);
}

bool CTreeNodeUI::IsJoinable(const CTreeNodeUI* pChild) const {
  // A node of a tree view stays where it is: listed twice, it would be deleted twice.
  return pChild != nullptr && pChild != this && pChild->GetNodeIndex() < 0;
}

bool CTreeNodeUI::AddChildNode(CControlUI* pControl) {
  CTreeNodeUI* pChild = AsNode(pControl);
  if (!IsJoinable(pChild)) return false;
  // Right after the sub-tree as it is before the child joins it.
  const int iInsert = m_pTreeView != nullptr ? GetLastNode()->GetNodeIndex() + 1 : -1;
  PlaceChild(pChild);
  if (m_pTreeView != nullptr) {
    if (iInsert <= 0 || m_pTreeView->AddNodeAt(pChild, iInsert) < 0) {
      pChild->m_pParentNode = nullptr;
      return false;
    }
    HideIfFolded(pChild);
  }
  m_aChildNodes.push_back(pChild);
  return true;
}

bool CTreeNodeUI::Add(CControlUI* pControl) {
  if (AsNode(pControl) != nullptr) return AddChildNode(pControl);
  return CListContainerElementUI::Add(pControl);
}

bool CTreeNodeUI::AddAt(CControlUI* pControl, int iIndex) {
  CTreeNodeUI* pChild = AsNode(pControl);
  if (!IsJoinable(pChild)) return false;
  const bool bBefore = iIndex >= 0 && iIndex < GetCountChild();
  int iInsert = -1;
  if (m_pTreeView != nullptr) {
    // Before the child that held the index, else after the whole sub-tree, never
    // between this node and its first descendant.
    iInsert = bBefore ? m_aChildNodes[iIndex]->GetNodeIndex() : GetLastNode()->GetNodeIndex() + 1;
  }
  PlaceChild(pChild);
  if (m_pTreeView != nullptr) {
    if (iInsert <= 0 || m_pTreeView->AddNodeAt(pChild, iInsert) < 0) {
      pChild->m_pParentNode = nullptr;
      return false;
    }
    HideIfFolded(pChild);
  }
  if (bBefore) {
    m_aChildNodes.insert(m_aChildNodes.begin() + iIndex, pChild);
  } else {
    m_aChildNodes.push_back(pChild);
  }
  return true;
}

bool CTreeNodeUI::Remove(CControlUI* pControl) {
  auto it = std::find(m_aChildNodes.begin(), m_aChildNodes.end(), pControl);
  if (it == m_aChildNodes.end()) return false;
  CTreeNodeUI* pChild = *it;
  if (m_pTreeView != nullptr) return m_pTreeView->RemoveNode(pChild);
  m_aChildNodes.erase(it);
  pChild->m_pParentNode = nullptr;
  return true;
}

void CTreeNodeUI::DetachFromParent() {
  if (m_pParentNode == nullptr) return;
  std::vector<CTreeNodeUI*>& siblings = m_pParentNode->m_aChildNodes;
  siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
  m_pParentNode = nullptr;
}

int CTreeNodeUI::GetCountChild() const { return static_cast<int>(m_aChildNodes.size()); }

CTreeNodeUI* CTreeNodeUI::GetChildNode(int iIndex) const {
  if (iIndex < 0 || iIndex >= GetCountChild()) return nullptr;
  return m_aChildNodes[iIndex];
}

bool CTreeNodeUI::IsHasChild() const { return !m_aChildNodes.empty(); }

CTreeNodeUI* CTreeNodeUI::GetParentNode() const { return m_pParentNode; }

CTreeNodeUI* CTreeNodeUI::GetLastNode() {
  CTreeNodeUI* pNode = this;
  while (pNode->IsHasChild()) pNode = pNode->m_aChildNodes.back();
  return pNode;
}

int CTreeNodeUI::GetNodeIndex() const {
  if (m_pTreeView == nullptr) return -1;
  // The row's own index is kept by the list; searching is for a node moved behind
  // the list's back.
  const int iIndex = GetIndex();
  if (m_pTreeView->GetItemAt(iIndex) == this) return iIndex;
  return m_pTreeView->GetList()->GetItemIndex(const_cast<CTreeNodeUI*>(this));
}

CTreeViewUI* CTreeNodeUI::GetTreeView() const { return m_pTreeView; }

void CTreeNodeUI::SetTreeView(CTreeViewUI* pTreeView) { m_pTreeView = pTreeView; }

void CTreeNodeUI::CollectSubtree(std::vector<CTreeNodeUI*>& nodes) {
  nodes.push_back(this);
  for (CTreeNodeUI* pChild : m_aChildNodes) pChild->CollectSubtree(nodes);
}

bool CTreeNodeUI::IsCollapsed() const { return m_pFolderButton->IsSelected(); }

CHorizontalLayoutUI* CTreeNodeUI::GetPartsRow() const { return m_pHoriz; }

CCheckBoxUI* CTreeNodeUI::GetFolderButton() const { return m_pFolderButton; }

CLabelUI* CTreeNodeUI::GetDottedLine() const { return m_pDottedLine; }

CCheckBoxUI* CTreeNodeUI::GetCheckBox() const { return m_pCheckBox; }

COptionUI* CTreeNodeUI::GetItemButton() const { return m_pItemButton; }

}  // namespace SkinUI
