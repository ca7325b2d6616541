#pragma once
// A base control whose skin vocabulary and paint steps are the base ones, with views
// of the paint settings that have no getters, for the tests of attributes and paint.
#include <string>

#include "ui/core/control/CControlUI.h"
#include "ui/core/control/CControlUIAttributes.h"
#include "ui/core/control/CControlUIPaint.h"

namespace rendertest {

class SkinnedControl : public SkinUI::CControlUI {
 public:
  // The vocabulary and the steps are reached through the same entry points the base
  // control's own virtual operations use.
  void SetAttribute(LPCTSTR pstrName, LPCTSTR pstrValue) override {
    if (pstrName != nullptr && ::lstrcmpW(pstrName, L"custom") == 0) {
      customSeen = pstrValue;
      return;
    }
    SkinUI::CControlUIAttributes::Apply(*this, pstrName, pstrValue);
  }
  void Paint(HDC hDC, const RECT& rcPaint) override { SkinUI::CControlUIPaint::Paint(*this, hDC, rcPaint); }
  void DrawBackgroundColor(HDC hDC) override { SkinUI::CControlUIPaint::DrawBackgroundColor(*this, hDC); }
  void DrawBackgroundImage(HDC hDC) override { SkinUI::CControlUIPaint::DrawBackgroundImage(*this, hDC); }
  void DrawBorder(HDC hDC) override { SkinUI::CControlUIPaint::DrawBorder(*this, hDC); }

  // Places the control without a manager.
  void Place(const RECT& rc) { m_rcItem = rc; }
  void SetFocusedFlag(bool bFocused) { m_bFocused = bFocused; }

  DWORD BkColor(int n) const { return n == 1 ? m_dwBackColor : n == 2 ? m_dwBackColor2 : m_dwBackColor3; }
  DWORD BorderColor() const { return m_dwBorderColor; }
  DWORD FocusBorderColor() const { return m_dwFocusBorderColor; }
  int BorderSize() const { return m_nBorderSize; }
  RECT BorderSizes() const { return m_rcBorderSize; }
  int BorderStyle() const { return m_nBorderStyle; }
  SIZE BorderRound() const { return m_cxyBorderRound; }
  bool ColorHSL() const { return m_bColorHSL; }
  const RECT& PaintRect() const { return m_rcPaint; }
  SkinUI::CImageAttribute& BkImage() { return m_diBk; }
  // The seven image descriptions: background, fore, normal, hot, pushed, focused, disabled.
  std::string Images() const {
    std::string out;
    for (const SkinUI::CImageAttribute* image :
         {&m_diBk, &m_diFore, &m_diNormal, &m_diHot, &m_diPushed, &m_diFocused, &m_diDisabled}) {
      if (!out.empty() || image != &m_diBk) out += "|";
      for (int i = 0; i < image->GetAttributeString().GetLength(); ++i)
        out += static_cast<char>(image->GetAttributeString().GetAt(i));
    }
    return out;
  }

  SkinUI::CUIString customSeen;
};

}  // namespace rendertest
