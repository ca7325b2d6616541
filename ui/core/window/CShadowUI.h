#pragma once
// A window's drop shadow: a layered, click-through pop-up owned by the host window
// that follows it, showing a soft shadow computed from the host's window region
// (or a nine-grid image). Every window manager embeds one; the window's skin
// configures it and the manager creates the pop-up when the root is attached.
#include <cstdint>
#include <map>
#include <mutex>

#include "platform/win32.h"
#include "ui/core/types/CUIString.h"

namespace SkinUI {

class CWindowManagerUI;

class CShadowUI {
 public:
  // Status bits.
  enum : BYTE {
    SS_ENABLED = 1,        // the pop-up was created
    SS_VISABLE = 2,        // the pop-up is shown
    SS_PARENTVISIBLE = 4   // the host is visible
  };

  CShadowUI();
  CShadowUI(const CShadowUI&) = delete;
  CShadowUI& operator=(const CShadowUI&) = delete;
  virtual ~CShadowUI();

  // Registers the pop-up's window class "VelmoShadowWnd" once per process; false
  // when it was registered before or cannot be.
  static bool RegisterShadowClass(HINSTANCE hInstance);
  // Host window to its shadow. Only under GetShadowMapLock(): hosts live on more
  // than one thread.
  static std::map<HWND, CShadowUI*>& GetShadowMap();
  static std::mutex& GetShadowMapLock();

  // Creates the pop-up for the manager's window when the shadow is wanted; a host
  // that has a shadow already keeps it.
  void Create(CWindowManagerUI* pManager);

  void ShowShadow(bool bShow);
  bool IsShowShadow() const;

  // Each setter refuses a value out of its range (false, nothing changes); else it
  // stores the value and redraws a shown pop-up at once.
  bool SetSize(int nSize);                  // -20..20
  bool SetSharpness(unsigned int nSharpness);  // 0..20
  bool SetDarkness(unsigned int nDarkness);    // 0..255
  bool SetPosition(int nXOffset, int nYOffset);  // -20..20 each
  bool SetColor(COLORREF color);               // 0x00RRGGBB as written in the skin
  bool SetImage(LPCTSTR pszImage);             // switches to image mode
  bool SetShadowCorner(RECT rcCorner);         // no negative value

  // Gives another shadow this one's settings (a pop-up menu takes its owner's).
  bool CopyShadow(CShadowUI* pShadow);

  // Draws and places the pop-up for the host's current rectangle.
  void Update(HWND hParent);
  // Fills a bottom-up bitmap of (host width + 2 size) x (host height + 2 size)
  // premultiplied pixels, zeroed by the caller, with the shadow of the host's
  // window region.
  void MakeShadow(uint32_t* pShadBits, HWND hParent, RECT* rcParent);
  // The same from a region given in host coordinates: the host's outline grown by
  // the size, shifted by the offset, solid inside, fading over the sharpness, and
  // transparent where the host itself lies.
  void MakeShadowOfRegion(uint32_t* pShadBits, HRGN hRegion, const RECT& rcParent) const;

  static DWORD PreMultiply(COLORREF cl, unsigned char nAlpha);

 protected:
  static LRESULT CALLBACK HostWindowProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam);

 private:
  // Puts the host's own procedure back and destroys the pop-up, for a shadow
  // object that goes away before its host.
  void Detach();
  void RedrawIfShown();
  POINT PopupOrigin(const RECT& rcHost) const;  // where the pop-up goes for the host's rectangle

  CWindowManagerUI* m_pManager;
  HWND m_hWnd;
  WNDPROC m_OriParentProc;
  BYTE m_Status;
  bool m_bIsImageMode;
  bool m_bIsShowShadow;
  unsigned char m_nDarkness;
  unsigned char m_nSharpness;
  signed char m_nSize;
  signed char m_nxOffset;
  signed char m_nyOffset;
  LPARAM m_WndSize;  // lParam of the host's last WM_SIZE
  bool m_bUpdate;    // redraw at the host's next WM_PAINT
  COLORREF m_Color;
  CUIString m_sShadowImage;
  RECT m_rcShadowCorner;
  HWND m_hHost;  // the window subclassed by Create, null before

  static bool s_bHasInit;
};

}  // namespace SkinUI
