#pragma once
// A base control whose skin vocabulary and paint steps are the base ones, with views
// of the paint settings that have no getters, for the tests of attributes and paint.
#include <string>

#include "ui/core/control/CControlUI.h"

namespace rendertest {

class SkinnedControl : public SkinUI::CControlUI {
 public:
  // A name of its own first, the way controls derived from the base pass down every
  // name they do not know.
  void SetAttribute(LPCTSTR pstrName, LPCTSTR pstrValue) override {
    if (pstrName != nullptr && ::lstrcmpW(pstrName, L"custom") == 0) {
      customSeen = pstrValue;
      return;
    }
    SkinUI::CControlUI::SetAttribute(pstrName, pstrValue);
  }

  // Places the control without a manager.
  void Place(const RECT& rc) { m_rcItem = rc; }
  void SetFocusedFlag(bool bFocused) { m_bFocused = bFocused; }

  DWORD BkColor(int n) const {
    return n == 1 ? m_paint.GetBkColor() : n == 2 ? m_paint.GetBkColor2() : m_paint.GetBkColor3();
  }
  DWORD BorderColor() const { return m_paint.GetBorderColor(); }
  DWORD FocusBorderColor() const { return m_paint.GetFocusBorderColor(); }
  int BorderSize() const { return m_paint.GetBorderSize(); }
  RECT BorderSizes() const { return m_paint.GetBorderSizes(); }
  int BorderStyle() const { return m_paint.GetBorderStyle(); }
  SIZE BorderRound() const { return m_cxyBorderRound; }
  bool ColorHSL() const { return m_paint.IsColorHSL(); }
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
