#pragma once
// A label that fills part of itself with its fore image in proportion to a value
// between a minimum and a maximum: from the left when horizontal, from the bottom
// when vertical; the image is stretched to the filled part or cut to it.
#include "ui/controls/CLabelUI.h"

namespace SkinUI {

class CProgressUI : public CLabelUI {
 public:
  CProgressUI();
  ~CProgressUI() override;

  LPCTSTR GetClassName() const override;
  LPVOID GetInterface(LPCTSTR pstrName) override;
  void SetAttribute(LPCTSTR pstrName, LPCTSTR pstrValue) override;
  void DrawStateImages(HDC hDC) override;

  bool IsHorizontal() const;
  void SetHorizontal(bool bHorizontal = true);
  bool IsStretchForeImage() const;
  void SetStretchForeImage(bool bStretchForeImage = true);
  int GetMinValue() const;
  void SetMinValue(int nMin);
  int GetMaxValue() const;
  void SetMaxValue(int nMax);
  int GetValue() const;
  // A value outside the minimum and maximum is ignored, not clamped.
  void SetValue(int nValue);

 protected:
  // Maximum less minimum, at least 1: a range the skin left empty divides by 1
  // until the next paint repairs it.
  int GetSpan() const;
  bool IsInRange(int nValue) const;

  bool m_bHorizontal;
  bool m_bStretchForeImage;
  int m_nMax;
  int m_nMin;
  int m_nValue;
  CUIString m_sForeImageModify;
};

}  // namespace SkinUI
