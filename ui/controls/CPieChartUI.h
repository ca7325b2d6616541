#pragma once
// The home page's pass-rate ring: three concentric sectors of shrinking radius (late,
// missed, passed) that follow each other round the circle from the left, a dark disc in
// the middle, and for each sector that is not empty a leader line to its percentage.
// The page makes one in code with its three values; a skin may give them as the
// attributes "late", "missed" and "passed".
#include "ui/core/control/CControlUI.h"

namespace SkinUI {

class CPieChartUI : public CControlUI {
 public:
  CPieChartUI();
  ~CPieChartUI() override;

  void SetAttribute(LPCTSTR pstrName, LPCTSTR pstrValue) override;
  void Paint(HDC hDC, const RECT& rcPaint) override;

  void SetValues(int nLate, int nMissed, int nPassed);
  int GetLate() const { return m_nLate; }
  int GetMissed() const { return m_nMissed; }
  int GetPassed() const { return m_nPassed; }

 private:
  int m_nLate;
  int m_nMissed;
  int m_nPassed;
};

}  // namespace SkinUI
