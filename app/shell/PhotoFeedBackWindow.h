#pragma once
// The toast: one line of text shown topmost and half-transparent in the middle of the
// work area for some seconds, without taking the user's attention away from a page. A
// new text replaces the one shown and counts its own seconds; while the pointer rests
// on the toast it stays, looked at once a second.
//
// Its window lives on the thread that created it (the UI thread). ShowToast may be
// called from any thread: another thread's text is posted to the window as a heap
// copy, and the window's thread shows it; a text posted to a window that is gone is
// dropped.
#include <atomic>
#include <string>

#include "ui/core/window/WindowImplBase.h"

namespace SkinUI {
class CContainerUI;
}

class PhotoFeedBackWindow : public SkinUI::WindowImplBase {
 public:
  enum : UINT { TOAST_TIMER_ID = 100010 };
  // Carries a text from another thread; lParam owns a heap copy.
  enum : UINT { WM_SHOWTOAST = WM_APP + 0x120 };

  PhotoFeedBackWindow();
  ~PhotoFeedBackWindow() override;

  // Under the desktop window (so without an owner), named "MyFeedBackWnd", made with
  // a visible style and hidden at once: it appears only through ShowToast.
  HWND CreateHidden();

  void ShowToast(const std::wstring& text, int seconds);

 protected:
  LPCTSTR GetWindowClassName() const override;
  SkinUI::CUIString GetSkinXmlName() const override;
  LRESULT HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) override;
  // Layered at alpha 150, topmost at 0, 0 with 300 x 40.
  void OnSkinBuilt() override;
  void OnDetached(HWND hWnd) override;

 private:
  struct Request {
    std::wstring text;
    int seconds;
  };

  // On the window's thread.
  void Show(const std::wstring& text, int seconds);
  void PutText(const std::wstring& text);
  // The text's width in the label's font (font 0).
  int MeasureText(const std::wstring& text);
  void OnToastTimer();
  void DropPendingRequests();

  SkinUI::CContainerUI* m_pTitle;
  // The window as other threads see it; null once it is gone.
  std::atomic<HWND> m_hToast;
};
