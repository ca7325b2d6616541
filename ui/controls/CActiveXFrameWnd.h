#pragma once
// The frame a hosted control is told it works in: the host's window. It offers no
// border space, menus or status line, and keeps the control's active object.
#include "platform/com/ComPtr.h"
#include "platform/com/OleHosting.h"

namespace SkinUI {

class CActiveXUI;

class CActiveXFrameWnd final : public IOleInPlaceFrame {
 public:
  explicit CActiveXFrameWnd(CActiveXUI* pOwner);
  CActiveXFrameWnd(const CActiveXFrameWnd&) = delete;
  CActiveXFrameWnd& operator=(const CActiveXFrameWnd&) = delete;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppvObject) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  // IOleWindow
  HRESULT STDMETHODCALLTYPE GetWindow(HWND* phwnd) override;
  HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL fEnterMode) override;

  // IOleInPlaceUIWindow
  HRESULT STDMETHODCALLTYPE GetBorder(LPRECT lprectBorder) override;
  HRESULT STDMETHODCALLTYPE RequestBorderSpace(LPCBORDERWIDTHS pborderwidths) override;
  HRESULT STDMETHODCALLTYPE SetBorderSpace(LPCBORDERWIDTHS pborderwidths) override;
  HRESULT STDMETHODCALLTYPE SetActiveObject(IOleInPlaceActiveObject* pActiveObject, LPCOLESTR pszObjName) override;

  // IOleInPlaceFrame
  HRESULT STDMETHODCALLTYPE InsertMenus(HMENU hmenuShared, LPOLEMENUGROUPWIDTHS lpMenuWidths) override;
  HRESULT STDMETHODCALLTYPE SetMenu(HMENU hmenuShared, HOLEMENU holemenu, HWND hwndActiveObject) override;
  HRESULT STDMETHODCALLTYPE RemoveMenus(HMENU hmenuShared) override;
  HRESULT STDMETHODCALLTYPE SetStatusText(LPCOLESTR pszStatusText) override;
  HRESULT STDMETHODCALLTYPE EnableModeless(BOOL fEnable) override;
  HRESULT STDMETHODCALLTYPE TranslateAccelerator(LPMSG lpmsg, WORD wID) override;

  IOleInPlaceActiveObject* GetActiveObject() const;

 private:
  ~CActiveXFrameWnd() = default;

  ULONG m_dwRef;
  CActiveXUI* m_pOwner;
  platform::com::ComPtr<IOleInPlaceActiveObject> m_pActiveObject;
};

}  // namespace SkinUI
