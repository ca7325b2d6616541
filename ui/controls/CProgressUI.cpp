#include "ui/controls/CProgressUI.h"

#include <cwchar>

#include "ui/core/types/CUIValueParser.h"

namespace SkinUI {

namespace {

bool IsTrue(LPCTSTR pstrValue) { return wcscmp(pstrValue, L"true") == 0; }

}  // namespace

CProgressUI::CProgressUI()
    : m_bHorizontal(true), m_bStretchForeImage(true), m_nMax(100), m_nMin(0), m_nValue(0) {
  m_uTextStyle = DT_CENTER | DT_SINGLELINE;
  m_cxyFixed.cy = 12;
}

CProgressUI::~CProgressUI() = default;

LPCTSTR CProgressUI::GetClassName() const { return L"ProgressUI"; }

LPVOID CProgressUI::GetInterface(LPCTSTR pstrName) {
  if (pstrName != nullptr && wcscmp(pstrName, L"Progress") == 0) return static_cast<CProgressUI*>(this);
  return CLabelUI::GetInterface(pstrName);
}

bool CProgressUI::IsHorizontal() const { return m_bHorizontal; }

void CProgressUI::SetHorizontal(bool bHorizontal) {
  if (m_bHorizontal == bHorizontal) return;
  m_bHorizontal = bHorizontal;
  Invalidate();
}

bool CProgressUI::IsStretchForeImage() const { return m_bStretchForeImage; }

void CProgressUI::SetStretchForeImage(bool bStretchForeImage) {
  if (m_bStretchForeImage == bStretchForeImage) return;
  m_bStretchForeImage = bStretchForeImage;
  Invalidate();
}

int CProgressUI::GetMinValue() const { return m_nMin; }

void CProgressUI::SetMinValue(int nMin) {
  if (m_nMin == nMin) return;
  m_nMin = nMin;
  Invalidate();
}

int CProgressUI::GetMaxValue() const { return m_nMax; }

void CProgressUI::SetMaxValue(int nMax) {
  if (m_nMax == nMax) return;
  m_nMax = nMax;
  Invalidate();
}

int CProgressUI::GetValue() const { return m_nValue; }

void CProgressUI::SetValue(int nValue) {
  if (nValue == m_nValue || !IsInRange(nValue)) return;
  m_nValue = nValue;
  Invalidate();
}

int CProgressUI::GetSpan() const { return m_nMax > m_nMin ? m_nMax - m_nMin : 1; }

bool CProgressUI::IsInRange(int nValue) const { return nValue >= m_nMin && nValue <= m_nMax; }

void CProgressUI::SetAttribute(LPCTSTR pstrName, LPCTSTR pstrValue) {
  if (wcscmp(pstrName, L"hor") == 0) {
    SetHorizontal(IsTrue(pstrValue));
  } else if (wcscmp(pstrName, L"min") == 0) {
    SetMinValue(CUIValueParser::ReadDecimal(pstrValue, nullptr));
  } else if (wcscmp(pstrName, L"max") == 0) {
    SetMaxValue(CUIValueParser::ReadDecimal(pstrValue, nullptr));
  } else if (wcscmp(pstrName, L"value") == 0) {
    SetValue(CUIValueParser::ReadDecimal(pstrValue, nullptr));
  } else if (wcscmp(pstrName, L"isstretchfore") == 0) {
    SetStretchForeImage(IsTrue(pstrValue));
  } else {
    CLabelUI::SetAttribute(pstrName, pstrValue);
  }
}

void CProgressUI::DrawStateImages(HDC hDC) {
  if (m_nMin >= m_nMax) m_nMax = m_nMin + 1;
  if (m_nValue > m_nMax) m_nValue = m_nMax;
  if (m_nValue < m_nMin) m_nValue = m_nMin;

  // Relative to the control, as image descriptions place pictures.
  const int cx = m_rcItem.right - m_rcItem.left;
  const int cy = m_rcItem.bottom - m_rcItem.top;
  const int nSpan = GetSpan();
  RECT rc = {0, 0, cx, cy};
  if (m_bHorizontal) {
    rc.right = (m_nValue - m_nMin) * cx / nSpan;
  } else {
    rc.top = cy * (m_nMax - m_nValue) / nSpan;
  }
  if (m_diFore.GetAttributeString().IsEmpty()) return;

  if (m_bStretchForeImage) {
    m_sForeImageModify.Format(L"dest='%d,%d,%d,%d'", rc.left, rc.top, rc.right, rc.bottom);
  } else {
    m_sForeImageModify.Format(L"dest='%d,%d,%d,%d' source='%d,%d,%d,%d'", rc.left, rc.top, rc.right, rc.bottom,
                              rc.left, rc.top, rc.right, rc.bottom);
  }
  DrawImageModified(hDC, m_diFore, m_sForeImageModify);
}

}  // namespace SkinUI
