#pragma once
// A control's picture as the skin describes it: a bare file name, or key='value'
// pairs naming the file and where and how to draw it (dest, source, corner, mask,
// fade, hole, xtiled, ytiled). The loaded picture belongs to the window manager's
// image cache; copies of a description share it.
#include "platform/win32.h"
#include "ui/core/render/UIImageRecord.h"
#include "ui/core/types/CUIString.h"

namespace SkinUI {

class CWindowManagerUI;

class CImageAttribute {
 public:
  CImageAttribute();
  CImageAttribute(const CImageAttribute& src);
  CImageAttribute& operator=(const CImageAttribute& src);
  virtual ~CImageAttribute();

  void Assign(const CImageAttribute& src);
  void Clear();

  // Replaces the whole description; the same text again changes nothing.
  void SetAttributeString(LPCTSTR pStrImageAttri);
  const CUIString& GetAttributeString() const;
  // Parses pairs over the current fields, keeping a picture already loaded.
  void ModifyAttribute(LPCTSTR pStrModify);
  void ParseAttribute(LPCTSTR pStrImageAttri);
  void SetDest(const RECT& rcDest);

  bool IsUsable() const;
  const UIImageRecord* GetImageInfo() const;
  // Loads the picture through the manager's cache; a failed load is not tried again
  // until the description is set anew.
  bool LoadImage(CWindowManagerUI* pManager);

  const CUIString& GetFile() const { return m_sFile; }
  const CUIString& GetResType() const { return m_sResType; }
  const RECT& GetDest() const { return m_rcDest; }
  const RECT& GetSource() const { return m_rcSource; }
  const RECT& GetCorner() const { return m_rcCorner; }
  BYTE GetFade() const { return m_uFade; }
  DWORD GetMask() const { return m_dwMask; }
  bool IsHole() const { return m_bHole; }
  bool IsTiledX() const { return m_bTiledX; }
  bool IsTiledY() const { return m_bTiledY; }

 private:
  void ApplyPair(const CUIString& sKey, const CUIString& sValue);

  CUIString m_sImageAttribute;
  CUIString m_sFile;
  CUIString m_sResType;
  const UIImageRecord* m_pImageInfo;  // the manager's cache owns it
  bool m_bLoadable;
  RECT m_rcDest;
  RECT m_rcSource;
  RECT m_rcCorner;
  BYTE m_uFade;
  DWORD m_dwMask;
  bool m_bHole;
  bool m_bTiledX;
  bool m_bTiledY;
};

}  // namespace SkinUI
