#pragma once
// A control's picture as the skin describes it: a bare file name, or key='value'
// pairs naming the file and where and how to draw it (dest, source, corner, mask,
// fade, hole, xtiled, ytiled). The loaded picture belongs to the window manager's
// image cache; copies of a description share it.
#include <memory>

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

  const CUIString& GetFile() const { return Read().sFile; }
  const CUIString& GetResType() const { return Read().sResType; }
  const RECT& GetDest() const { return Read().rcDest; }
  const RECT& GetSource() const { return Read().rcSource; }
  const RECT& GetCorner() const { return Read().rcCorner; }
  BYTE GetFade() const { return Read().uFade; }
  DWORD GetMask() const { return Read().dwMask; }
  bool IsHole() const { return Read().bHole; }
  bool IsTiledX() const { return Read().bTiledX; }
  bool IsTiledY() const { return Read().bTiledY; }

 private:
  // Every field at its start value until something is set: a control carries many
  // descriptions its skin never fills, and three inline strings each would make
  // every control several kilobytes.
  struct Fields {
    CUIString sImageAttribute;
    CUIString sFile;
    CUIString sResType;
    const UIImageRecord* pImageInfo = nullptr;  // the manager's cache owns it
    bool bLoadable = true;
    RECT rcDest = {0, 0, 0, 0};
    RECT rcSource = {0, 0, 0, 0};
    RECT rcCorner = {0, 0, 0, 0};
    BYTE uFade = 255;
    DWORD dwMask = 0;
    bool bHole = false;
    bool bTiledX = false;
    bool bTiledY = false;
  };

  // The fields as they read: the start values while nothing is set.
  const Fields& Read() const;
  // The fields to change, made on first use.
  Fields& Write();
  void ApplyPair(const CUIString& sKey, const CUIString& sValue);

  std::unique_ptr<Fields> m_pFields;
};

}  // namespace SkinUI
