#pragma once
// The client site of the control a CActiveXUI hosts: everything the control asks of
// its container. It answers in-place activation windowless (the host's window) or
// windowed (a CActiveXWnd child window it owns), lends the windowless control the
// host's capture, focus, device context and invalidation, and keeps the control's
// view object and in-place object for the host. It lives as long as references to it
// do; the host clears its owner when it lets the control go.
#include <memory>

#include "platform/com/ComPtr.h"
#include "platform/com/OleHosting.h"

namespace SkinUI {

class CActiveXUI;
class CActiveXWnd;

class CActiveXCtrl final : public IOleClientSite,
                           public IOleInPlaceSiteWindowless,
                           public IOleControlSite,
                           public IObjectWithSite,
                           public IOleContainer {
 public:
  explicit CActiveXCtrl(CActiveXUI* pOwner);
  CActiveXCtrl(const CActiveXCtrl&) = delete;
  CActiveXCtrl& operator=(const CActiveXCtrl&) = delete;

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppvObject) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  // IObjectWithSite
  HRESULT STDMETHODCALLTYPE SetSite(IUnknown* pUnkSite) override;
  HRESULT STDMETHODCALLTYPE GetSite(REFIID riid, void** ppvSite) override;

  // IOleClientSite
  HRESULT STDMETHODCALLTYPE SaveObject() override;
  HRESULT STDMETHODCALLTYPE GetMoniker(DWORD dwAssign, DWORD dwWhichMoniker, IMoniker** ppmk) override;
  HRESULT STDMETHODCALLTYPE GetContainer(IOleContainer** ppContainer) override;
  HRESULT STDMETHODCALLTYPE ShowObject() override;
  HRESULT STDMETHODCALLTYPE OnShowWindow(BOOL fShow) override;
  HRESULT STDMETHODCALLTYPE RequestNewObjectLayout() override;

  // IOleInPlaceSiteWindowless
  HRESULT STDMETHODCALLTYPE CanWindowlessActivate() override;
  HRESULT STDMETHODCALLTYPE GetCapture() override;
  HRESULT STDMETHODCALLTYPE SetCapture(BOOL fCapture) override;
  HRESULT STDMETHODCALLTYPE GetFocus() override;
  HRESULT STDMETHODCALLTYPE SetFocus(BOOL fFocus) override;
  HRESULT STDMETHODCALLTYPE GetDC(LPCRECT pRect, DWORD grfFlags, HDC* phDC) override;
  HRESULT STDMETHODCALLTYPE ReleaseDC(HDC hDC) override;
  HRESULT STDMETHODCALLTYPE InvalidateRect(LPCRECT pRect, BOOL fErase) override;
  HRESULT STDMETHODCALLTYPE InvalidateRgn(HRGN hRGN, BOOL fErase) override;
  HRESULT STDMETHODCALLTYPE ScrollRect(INT dx, INT dy, LPCRECT pRectScroll, LPCRECT pRectClip) override;
  HRESULT STDMETHODCALLTYPE AdjustRect(LPRECT prc) override;
  HRESULT STDMETHODCALLTYPE OnDefWindowMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* plResult) override;

  // IOleInPlaceSiteEx
  HRESULT STDMETHODCALLTYPE OnInPlaceActivateEx(BOOL* pfNoRedraw, DWORD dwFlags) override;
  HRESULT STDMETHODCALLTYPE OnInPlaceDeactivateEx(BOOL fNoRedraw) override;
  HRESULT STDMETHODCALLTYPE RequestUIActivate() override;

  // IOleInPlaceSite
  HRESULT STDMETHODCALLTYPE CanInPlaceActivate() override;
  HRESULT STDMETHODCALLTYPE OnInPlaceActivate() override;
  HRESULT STDMETHODCALLTYPE OnUIActivate() override;
  HRESULT STDMETHODCALLTYPE GetWindowContext(IOleInPlaceFrame** ppFrame, IOleInPlaceUIWindow** ppDoc,
                                             LPRECT lprcPosRect, LPRECT lprcClipRect,
                                             LPOLEINPLACEFRAMEINFO lpFrameInfo) override;
  HRESULT STDMETHODCALLTYPE Scroll(SIZE scrollExtant) override;
  HRESULT STDMETHODCALLTYPE OnUIDeactivate(BOOL fUndoable) override;
  HRESULT STDMETHODCALLTYPE OnInPlaceDeactivate() override;
  HRESULT STDMETHODCALLTYPE DiscardUndoState() override;
  HRESULT STDMETHODCALLTYPE DeactivateAndUndo() override;
  HRESULT STDMETHODCALLTYPE OnPosRectChange(LPCRECT lprcPosRect) override;

  // IOleWindow
  HRESULT STDMETHODCALLTYPE GetWindow(HWND* phwnd) override;
  HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL fEnterMode) override;

  // IOleControlSite
  HRESULT STDMETHODCALLTYPE OnControlInfoChanged() override;
  HRESULT STDMETHODCALLTYPE LockInPlaceActive(BOOL fLock) override;
  HRESULT STDMETHODCALLTYPE GetExtendedControl(IDispatch** ppDisp) override;
  HRESULT STDMETHODCALLTYPE TransformCoords(POINTL* pPtlHimetric, POINTF* pPtfContainer, DWORD dwFlags) override;
  HRESULT STDMETHODCALLTYPE TranslateAccelerator(MSG* pMsg, DWORD grfModifiers) override;
  HRESULT STDMETHODCALLTYPE OnFocus(BOOL fGotFocus) override;
  HRESULT STDMETHODCALLTYPE ShowPropertyFrame() override;

  // IOleContainer
  HRESULT STDMETHODCALLTYPE ParseDisplayName(IBindCtx* pbc, LPOLESTR pszDisplayName, ULONG* pchEaten,
                                             IMoniker** ppmkOut) override;
  HRESULT STDMETHODCALLTYPE EnumObjects(DWORD grfFlags, IEnumUnknown** ppenum) override;
  HRESULT STDMETHODCALLTYPE LockContainer(BOOL fLock) override;

  // What the host and the child window read and set.
  void SetOwner(CActiveXUI* pOwner);
  CActiveXUI* GetOwner() const;
  void SetViewObject(platform::com::ComPtr<IViewObject> pViewObject);
  IViewObject* GetViewObject() const;
  IOleInPlaceObject* GetInPlaceObject() const;
  // The in-place object of a windowless control, else null.
  IOleInPlaceObjectWindowless* GetWindowlessObject() const;
  HWND GetChildWindow() const;
  bool IsWindowless() const;
  bool IsInPlaceActive() const;
  bool IsUIActivated() const;
  bool IsFocused() const;
  bool IsCaptured() const;
  bool IsLocked() const;
  void SetFocused(bool bFocused);
  // The client-site part, with a reference.
  platform::com::ComPtr<IOleClientSite> ClientSite();

 private:
  ~CActiveXCtrl();

  HRESULT CreateActiveXWnd();
  HWND PaintWindow() const;
  // The owner's position, moved to the origin when the control has a window of its own.
  RECT ObjectRect() const;

  ULONG m_dwRef;
  CActiveXUI* m_pOwner;
  std::unique_ptr<CActiveXWnd> m_pWindow;
  platform::com::ComPtr<IUnknown> m_pSite;
  platform::com::ComPtr<IViewObject> m_pViewObject;
  platform::com::ComPtr<IOleInPlaceObject> m_pInPlaceObject;
  bool m_bLocked;
  bool m_bFocused;
  bool m_bCaptured;
  bool m_bUIActivated;
  bool m_bInPlaceActive;
  bool m_bWindowless;
  // The one-entry accelerator table of the frame information, made once per site.
  HACCEL m_hAccel;
};

}  // namespace SkinUI
