#pragma once
// The busy window: a modal spinner (and, when asked, "程序执行中，请稍候...") shown while
// a long job runs on a worker thread (see RunBusy). After its time-out it closes itself
// with 2; a skin without "LoadingGifAnim" or "lab_context" has no time-out and no text,
// so that only the job's end closes it.
#include "ui/core/window/WindowImplBase.h"

class CLoadingGifNobackgroundWndUI : public SkinUI::WindowImplBase {
 public:
  enum : UINT { TIMEOUT_TIMER_ID = 10001 };

  // Time-out in milliseconds, 0 for none; show text 1 or 0.
  CLoadingGifNobackgroundWndUI(int timeout, int showText);

 protected:
  LPCTSTR GetWindowClassName() const override;
  SkinUI::CUIString GetSkinXmlName() const override;
  void OnSkinBuilt() override;
  LRESULT HandleOtherMessage(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled) override;
  // The time-out's timer; other timers (the spinner's) go on to the window's manager.
  virtual LRESULT OnTimer(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled);

 private:
  const int m_timeout;
  const int m_showText;
};
