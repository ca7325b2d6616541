#pragma once
// Shows a page rendered off-screen by the web engine (skin element "wkeWebkit"): the
// control owns one engine view, repaints it 33 times a second, forwards mouse, wheel,
// key and focus input to it at view coordinates, leaves the skin's background showing
// until the first page has drawn, shows the program's "error.html" when a page fails to
// load, and answers the pages' "jsToNative" calls.
// Everything runs on the UI thread: the engine's callbacks come through its queue.
#include <string>

#include "platform/web/Wke.h"
#include "platform/win32.h"
#include "ui/core/control/CControlUI.h"

namespace SkinUI {

class CWkeWebkitUI : public CControlUI {
 public:
  // The control timer that repaints the view.
  enum : UINT { REPAINT_TIMER_ID = 42, REPAINT_INTERVAL_MS = 30 };
  // URLs longer than this are cut (page URL) or not remembered (last URL).
  enum : size_t { MAX_URL_LENGTH = 1024 };

  CWkeWebkitUI();
  ~CWkeWebkitUI() override;

  LPCTSTR GetClassName() const override;
  LPVOID GetInterface(LPCTSTR pstrName) override;
  void SetPos(RECT rc) override;
  void OnInit() override;
  void HandleEvent(UIEventRecord& event) override;
  void Paint(HDC hDC, const RECT& rcPaint) override;

  // Loads a page: a local path (either separator) or a file:// URL.
  void LoadURL(const std::wstring& url);
  // Null when the engine does not run in this process (no display): the control then
  // shows nothing.
  wkeWebView GetWebView() const { return m_pWebView; }
  const std::wstring& GetPageURL() const { return m_strURL; }
  // The last page navigated to that is not the error page: what "refresh" loads again.
  const std::wstring& GetLastURL() const { return m_strLastURL; }
  const std::wstring& GetErrorPageURL() const { return m_strErrorURL; }

  // The native side of the pages' jsToNative(command, argument), bound at start-up:
  // "refresh" loads the last page again in the calling view's control.
  static jsValue OnJsToNative(jsExecState es);

  // Text conversions for the engine's narrow calls ("" for null).
  static std::string wide_to_ansi(const wchar_t* text);
  static std::string wide_to_utf8(const wchar_t* text);

 private:
  static bool OnNavigation(wkeWebView webView, void* param, wkeNavigationType navigationType, wkeString url);
  static wkeWebView OnCreateView(wkeWebView webView, void* param, wkeNavigationType navigationType,
                                 const wkeString url, const wkeWindowFeatures* windowFeatures);
  static void OnLoadingFinish(wkeWebView webView, void* param, const wkeString url, wkeLoadingResult result,
                              const wkeString failedReason);
  static void OnTitleChanged(wkeWebView webView, void* param, const wkeString title);
  static void OnURLChanged(wkeWebView webView, void* param, const wkeString url);
  static void OnDocumentReady(wkeWebView webView, void* param);
  static CWkeWebkitUI* FindControl(wkeWebView webView);

  void RunCommand(const std::wstring& command, const std::wstring& argument);
  // The engine has drawn a page: from now on the control shows its renderings.
  void ShowPage();
  bool EnsureBitmap();
  POINT ViewPoint(const UIEventRecord& event) const;

  RECT m_rcDraw = {0, 0, 0, 0};
  void* m_pBits = nullptr;  // null until the next paint after a position change
  bool m_bPageDrawn = false;
  HDC m_hMemDC = nullptr;
  HBITMAP m_hBitmap = nullptr;
  wkeWebView m_pWebView = nullptr;
  std::wstring m_strURL;
  std::wstring m_strLastURL;
  std::wstring m_strErrorURL;
};

}  // namespace SkinUI
