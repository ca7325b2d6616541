#include "ui/core/CScrollBarUI.h"

#include <cwchar>

#include "ui/core/CContainerUI.h"

namespace SkinUI {

CScrollBarUI::CScrollBarUI()
    : m_pOwner(nullptr),
      m_bHorizontal(false),
      m_nRange(DEFAULT_RANGE),
      m_nScrollPos(0),
      m_nLineSize(DEFAULT_LINE_SIZE) {
  m_cxyFixed.cx = DEFAULT_SCROLLBAR_SIZE;
}

CScrollBarUI::~CScrollBarUI() = default;

LPCTSTR CScrollBarUI::GetClassName() const { return L"ScrollBarUI"; }

LPVOID CScrollBarUI::GetInterface(LPCTSTR pstrName) {
  if (pstrName != nullptr && wcscmp(pstrName, L"ScrollBar") == 0) return this;
  return CControlUI::GetInterface(pstrName);
}

CContainerUI* CScrollBarUI::GetOwner() const { return m_pOwner; }

void CScrollBarUI::SetOwner(CContainerUI* pOwner) { m_pOwner = pOwner; }

bool CScrollBarUI::IsHorizontal() const { return m_bHorizontal; }

void CScrollBarUI::SetHorizontal(bool bHorizontal) {
  if (m_bHorizontal == bHorizontal) return;
  m_bHorizontal = bHorizontal;
  // The thickness moves to the other axis unless the skin gave one there already.
  if (m_bHorizontal) {
    if (m_cxyFixed.cy == 0) {
      m_cxyFixed.cx = 0;
      m_cxyFixed.cy = DEFAULT_SCROLLBAR_SIZE;
    }
  } else if (m_cxyFixed.cx == 0) {
    m_cxyFixed.cx = DEFAULT_SCROLLBAR_SIZE;
    m_cxyFixed.cy = 0;
  }
  if (m_pOwner != nullptr) {
    m_pOwner->RequestLayout();
  } else {
    RequestParentLayout();
  }
}

int CScrollBarUI::GetScrollRange() const { return m_nRange; }

void CScrollBarUI::SetScrollRange(int nRange) {
  if (m_nRange == nRange) return;
  m_nRange = nRange < 0 ? 0 : nRange;
  if (m_nScrollPos > m_nRange) m_nScrollPos = m_nRange;
  SetPos(m_rcItem);
}

int CScrollBarUI::GetScrollPos() const { return m_nScrollPos; }

void CScrollBarUI::SetScrollPos(int nPos) {
  if (m_nScrollPos == nPos) return;
  if (nPos < 0) nPos = 0;
  if (nPos > m_nRange) nPos = m_nRange;
  m_nScrollPos = nPos;
  SetPos(m_rcItem);
}

int CScrollBarUI::GetLineSize() const { return m_nLineSize; }

void CScrollBarUI::SetLineSize(int nSize) { m_nLineSize = nSize; }

}  // namespace SkinUI
