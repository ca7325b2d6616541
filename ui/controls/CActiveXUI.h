#pragma once
// A control that hosts a COM (ActiveX) control in its rectangle. It creates the control
// from a CLSID or ProgID (or from a module's class factory), gives it a client site,
// activates it in place (without a window of its own when the control can, else in a
// child window), keeps its extent and rectangles in step with the control's position
// and visibility, paints a windowless control in the window's paint, passes window
// messages on to it, and releases it. The skin element is "ActiveX".
//
// Creation waits for the first layout unless delayed creation is switched off; a
// creation that fails leaves the control empty, and it paints nothing.
#include "platform/com/ComPtr.h"
#include "platform/com/OleHosting.h"
#include "ui/core/control/CControlUI.h"
#include "ui/core/manager/IMessageFilterUI.h"

namespace SkinUI {

class CActiveXCtrl;

class CActiveXUI : public CControlUI, public IMessageFilterUI {
 public:
  CActiveXUI();
  ~CActiveXUI() override;

  LPCTSTR GetClassName() const override;
  LPVOID GetInterface(LPCTSTR pstrName) override;
  void SetPos(RECT rc) override;
  void SetVisible(bool bVisible = true) override;
  void SetParentVisible(bool bVisible = true) override;
  void SetAttribute(LPCTSTR pstrName, LPCTSTR pstrValue) override;
  void Paint(HDC hDC, const RECT& rcPaint) override;

  // While a windowless control is active: passes the messages it answers on to it.
  LRESULT FilterMessage(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled) override;

  // A braced CLSID or a registered ProgID (at most 99 characters are read).
  bool CreateControlFromText(LPCTSTR pstrCLSID);
  // False for GUID_NULL. With delayed creation the control is made at the next layout
  // and the answer is true; otherwise it is made now and the answer is whether that
  // worked.
  bool CreateControlByClsid(const CLSID& clsid);
  // Switching delayed creation off creates a control whose CLSID is set and that has
  // not been made yet.
  void SetDelayCreate(bool bDelayCreate = true);
  bool IsDelayCreate() const;
  // A module whose class factory makes the control before the registered classes are
  // tried. Once loaded it stays loaded.
  void SetModuleName(LPCTSTR pstrText);
  const CUIString& GetModuleName() const;
  const CLSID& GetClsid() const;
  // E_POINTER without an out pointer, E_PENDING while no control exists, else what the
  // control answers.
  HRESULT QueryControl(REFIID riid, LPVOID* ppRet);
  // The window the control works in: the manager's for a windowless control, the
  // child window for a windowed one; null before activation.
  HWND GetHostWindow() const;
  // The colour the skin paints behind the control: its own background colour, or the
  // nearest container's; 0 when none has one.
  DWORD GetSkinBackground() const;

 protected:
  // Virtual operations after the base's, in this order.
  virtual void ReleaseControl();
  virtual bool CreateHostedControl();

  // The accelerator rule of the derived controls: a key message goes to the object's
  // active object while the keyboard focus is in the host window or below it. S_FALSE
  // for another message or another focus, E_NOTIMPL without the object, else what the
  // active object answers (0: translated).
  LRESULT TranslateAcceleratorFor(IUnknown* pObject, MSG* pMsg) const;

  CLSID m_clsid;
  CUIString m_sModuleName;
  bool m_bCreated;
  bool m_bDelayCreate;
  platform::com::ComPtr<IOleObject> m_pControl;
  platform::com::ComPtr<CActiveXCtrl> m_pSite;
  HWND m_hwndHost;

 private:
  // The site and its child window act on the host's window, control and rectangle.
  friend class CActiveXCtrl;
  friend class CActiveXWnd;

  HRESULT CreateFromModule(IUnknown** ppUnk);
  void ShowHostWindow();
  // Where a mouse message (or WM_SETCURSOR) points, in the window's client area.
  POINT MessagePoint(UINT uMsg, LPARAM lParam) const;
  bool IsHit(UINT uMsg, LPARAM lParam) const;
  bool IsFocusInHostWindow() const;
};

}  // namespace SkinUI
