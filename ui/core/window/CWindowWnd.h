#pragma once
// One Win32 window driven by an object: the object registers the window class (a
// plain class or a superclass of an existing one), creates the window with itself
// as the creation parameter and receives every message of the window in
// HandleMessage. It outlives its window: the handle is set at WM_NCCREATE and
// cleared at WM_NCDESTROY, after which OnDetached runs (a subclass may delete the
// object there). Everything runs on the thread that created the window.
#include "platform/win32.h"

namespace SkinUI {

class CWindowWnd {
 public:
  CWindowWnd();
  CWindowWnd(const CWindowWnd&) = delete;
  CWindowWnd& operator=(const CWindowWnd&) = delete;
  virtual ~CWindowWnd();

  // Posts WM_CLOSE with the result code when the window exists.
  virtual void Close(UINT nRet = IDOK);

  HWND GetHWND() const;

  // Register the class on every call; a class that exists already counts as
  // registered. Null when registration or creation fails.
  HWND Create(HWND hwndParent, LPCTSTR pstrName, DWORD dwStyle, DWORD dwExStyle, int x, int y, int cx, int cy,
              HMENU hMenu = nullptr);
  HWND CreateInRect(HWND hwndParent, LPCTSTR pstrName, DWORD dwStyle, DWORD dwExStyle, const RECT& rc,
                    HMENU hMenu = nullptr);
  // At (0, 0) with no size: the window's skin sizes it.
  HWND CreateWithStyle(HWND hwndParent, LPCTSTR pstrName, DWORD dwStyle, DWORD dwExStyle);

  void ShowWindow(bool bShow = true, bool bTakeFocus = true);
  // Runs the window modally with its owner disabled until the window is gone;
  // returns the code of the posted WM_CLOSE that ended it, 0 when none was seen.
  // A WM_QUIT ends the loop and is posted again for the enclosing loop.
  UINT ShowModal();
  // Over the owner, or over the work area of the window's monitor without one;
  // kept inside that work area.
  void CenterWindow();
  // -1 keeps the current width or height.
  void ResizeClient(int cx = -1, int cy = -1);
  // The big and the small icon from the framework's module resources.
  void SetIcon(UINT nRes);

  LRESULT SendMessage(UINT uMsg, WPARAM wParam = 0, LPARAM lParam = 0);
  LRESULT PostMessage(UINT uMsg, WPARAM wParam = 0, LPARAM lParam = 0);

  bool RegisterWindowClass();
  bool RegisterSuperclass();

 protected:
  virtual LPCTSTR GetWindowClassName() const = 0;
  // The class to copy; null registers a plain class.
  virtual LPCTSTR GetSuperclassName() const;
  virtual UINT GetClassStyle() const;
  // Passes the message to the saved procedure.
  virtual LRESULT HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam);
  // The window is gone and the object no longer knows it.
  virtual void OnDetached(HWND hWnd);

  static LRESULT CALLBACK WindowProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK SuperclassWindowProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);

  HWND m_hWnd;
  // DefWindowProcW, or the procedure of the class a superclass copies.
  WNDPROC m_OldWndProc;

 private:
  // Lets the saved procedure see the last message, then forgets the window.
  static LRESULT Detach(CWindowWnd* pThis, HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
};

}  // namespace SkinUI
