#pragma once
// Plays an animated GIF over its whole rectangle: the file is decoded as a picture of
// many frames, and a timer of the control shows each frame for its own delay.
#include <memory>
#include <vector>

#include "ui/core/control/CControlUI.h"

namespace Gdiplus {
class Image;
}

namespace SkinUI {

class CGifAnimUI : public CControlUI {
 public:
  // The manager timer that steps the frames.
  enum : UINT { EVENT_TIMER_ID = 100 };
  // A frame without a delay of its own shows this long.
  enum : UINT { DEFAULT_FRAME_DELAY_MS = 100 };

  CGifAnimUI();
  ~CGifAnimUI() override;

  LPCTSTR GetClassName() const override;
  LPVOID GetInterface(LPCTSTR pstrName) override;
  // Showing plays from the first frame, hiding stops.
  void SetVisible(bool bVisible = true) override;
  void OnInit() override;
  // Only the frame timer; the control takes no input.
  void HandleEvent(UIEventRecord& event) override;
  void SetAttribute(LPCTSTR pstrName, LPCTSTR pstrValue) override;
  // Loads the picture first when it is not loaded: a file that could not be read is
  // tried again at every paint.
  void Paint(HDC hDC, const RECT& rcPaint) override;

  // The GIF's file: in the skin folder, else as a full path. Another name stops the
  // animation and is loaded at the next paint.
  void SetBkImage(LPCTSTR pStrImage);
  CUIString GetBkImage() const;
  void SetAutoPlay(bool bIsAuto = true);
  bool IsAutoPlay() const;
  // The control takes the picture's size when it loads.
  void SetAutoSize(bool bIsAuto = true);
  bool IsAutoSize() const;
  void PlayGif();
  // Back to the first frame.
  void StopGif();

  bool IsPlaying() const;
  UINT GetFrameCount() const;
  // The frame the next paint shows: each paint draws the frame the previous paint
  // selected, so the picture trails this counter by one tick.
  UINT GetFramePosition() const;

 private:
  void LoadGif();
  void DeleteGif();
  void OnTimer(UINT_PTR idEvent);
  // The frame's delay in milliseconds; frames without one take the default.
  UINT FrameDelay(UINT nFrame) const;

  std::unique_ptr<Gdiplus::Image> m_pGifImage;
  UINT m_nFrameCount;
  UINT m_nFramePosition;
  std::vector<UINT> m_frameDelays;  // hundredths of a second, as the picture gives them
  CUIString m_sBkImage;
  bool m_bIsAutoPlay;
  bool m_bIsAutoSize;
  bool m_bIsPlaying;
};

}  // namespace SkinUI
