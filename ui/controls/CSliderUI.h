#pragma once
// A progress bar with a thumb that the mouse drags and the wheel steps: the value
// follows the thumb, "valuechanged" reports it when a drag ends or the wheel turns,
// and "movevaluechanged" during a drag when asked for.
#include "ui/controls/CProgressUI.h"
#include "ui/core/render/CImageAttribute.h"

namespace SkinUI {

class CSliderUI : public CProgressUI {
 public:
  CSliderUI();
  ~CSliderUI() override;

  LPCTSTR GetClassName() const override;
  LPVOID GetInterface(LPCTSTR pstrName) override;
  UINT GetBehaviorFlags() const override;
  void SetEnabled(bool bEnable = true) override;
  void HandleEvent(UIEventRecord& event) override;
  void SetAttribute(LPCTSTR pstrName, LPCTSTR pstrValue) override;
  void DrawStateImages(HDC hDC) override;

  int GetChangeStep() const;
  void SetChangeStep(int nStep);
  void SetThumbSize(SIZE szXY);
  // In the window's client coordinates.
  RECT GetThumbRect() const;
  void SetThumbImage(LPCTSTR pStrImage);
  void SetThumbHotImage(LPCTSTR pStrImage);
  void SetThumbPushedImage(LPCTSTR pStrImage);
  void SetCanSendMove(bool bCanSend);
  bool GetCanSendMove() const;
  // The UISTATE_ flags of the thumb: hot and captured.
  UINT GetButtonState() const;

 private:
  // The value the thumb would have with its middle at the point.
  int ValueAt(POINT pt) const;
  void OnPress(POINT pt);
  void OnRelease(POINT pt);
  void OnWheel(bool bUp);
  void OnMouseMove(POINT pt);

  SIZE m_szThumb;
  UINT m_uButtonState;
  int m_nStep;
  CImageAttribute m_diThumb;
  CImageAttribute m_diThumbHot;
  CImageAttribute m_diThumbPushed;
  bool m_bSendMove;
  CUIString m_sThumbModify;
};

}  // namespace SkinUI
