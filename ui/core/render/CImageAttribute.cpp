#include "ui/core/render/CImageAttribute.h"

#include "ui/core/manager/CWindowManagerUI.h"
#include "ui/core/types/CUIValueParser.h"

namespace SkinUI {

namespace {

bool IsBlank(TCHAR ch) { return ch > 0 && ch <= 32; }

LPCTSTR SkipBlanks(LPCTSTR p) {
  while (IsBlank(*p)) ++p;
  return p;
}

bool IsAllZero(const RECT& rc) { return rc.left == 0 && rc.top == 0 && rc.right == 0 && rc.bottom == 0; }

}  // namespace

CImageAttribute::CImageAttribute() { Clear(); }

CImageAttribute::CImageAttribute(const CImageAttribute& src) { Assign(src); }

CImageAttribute& CImageAttribute::operator=(const CImageAttribute& src) {
  if (this != &src) Assign(src);
  return *this;
}

CImageAttribute::~CImageAttribute() = default;

void CImageAttribute::Assign(const CImageAttribute& src) {
  m_sImageAttribute = src.m_sImageAttribute;
  m_sFile = src.m_sFile;
  m_sResType = src.m_sResType;
  m_pImageInfo = src.m_pImageInfo;
  m_bLoadable = src.m_bLoadable;
  m_rcDest = src.m_rcDest;
  m_rcSource = src.m_rcSource;
  m_rcCorner = src.m_rcCorner;
  m_uFade = src.m_uFade;
  m_dwMask = src.m_dwMask;
  m_bHole = src.m_bHole;
  m_bTiledX = src.m_bTiledX;
  m_bTiledY = src.m_bTiledY;
}

void CImageAttribute::Clear() {
  m_sImageAttribute.Empty();
  m_sFile.Empty();
  m_sResType.Empty();
  m_pImageInfo = nullptr;
  m_bLoadable = true;
  m_rcDest = RECT{0, 0, 0, 0};
  m_rcSource = RECT{0, 0, 0, 0};
  m_rcCorner = RECT{0, 0, 0, 0};
  m_uFade = 255;
  m_dwMask = 0;
  m_bHole = false;
  m_bTiledX = false;
  m_bTiledY = false;
}

void CImageAttribute::SetAttributeString(LPCTSTR pStrImageAttri) {
  if (m_sImageAttribute == (pStrImageAttri != nullptr ? pStrImageAttri : L"")) return;
  Clear();
  m_sImageAttribute = pStrImageAttri;
  // A bare name is the file itself; pairs overwrite it when they name one.
  m_sFile = pStrImageAttri;
  ParseAttribute(pStrImageAttri);
}

const CUIString& CImageAttribute::GetAttributeString() const { return m_sImageAttribute; }

void CImageAttribute::ModifyAttribute(LPCTSTR pStrModify) { ParseAttribute(pStrModify); }

void CImageAttribute::ParseAttribute(LPCTSTR pStrImageAttri) {
  if (pStrImageAttri == nullptr) return;
  LPCTSTR p = pStrImageAttri;
  while (*p != L'\0') {
    p = SkipBlanks(p);
    LPCTSTR pKey = p;
    while (*p != L'\0' && *p != L'=' && !IsBlank(*p)) ++p;
    const CUIString sKey(pKey, static_cast<int>(p - pKey));
    p = SkipBlanks(p);
    if (*p != L'=') return;
    p = SkipBlanks(p + 1);
    if (*p != L'\'') return;
    LPCTSTR pValue = ++p;
    while (*p != L'\0' && *p != L'\'') ++p;
    if (*p != L'\'') return;
    const CUIString sValue(pValue, static_cast<int>(p - pValue));
    ++p;
    if (!sValue.IsEmpty()) ApplyPair(sKey, sValue);
    if (*p != L' ') return;
    ++p;
  }
}

void CImageAttribute::ApplyPair(const CUIString& sKey, const CUIString& sValue) {
  if (sKey == L"file" || sKey == L"res") {
    m_sFile = sValue;
  } else if (sKey == L"restype") {
    m_sResType = sValue;
  } else if (sKey == L"dest") {
    m_rcDest = CUIValueParser::ReadRect(sValue);
  } else if (sKey == L"source") {
    m_rcSource = CUIValueParser::ReadRect(sValue);
  } else if (sKey == L"corner") {
    m_rcCorner = CUIValueParser::ReadRect(sValue);
  } else if (sKey == L"mask") {
    m_dwMask = CUIValueParser::ReadColor(sValue);
  } else if (sKey == L"fade") {
    m_uFade = static_cast<BYTE>(_wtoi(sValue));
  } else if (sKey == L"hole") {
    m_bHole = sValue == L"true";
  } else if (sKey == L"xtiled") {
    m_bTiledX = sValue == L"true";
  } else if (sKey == L"ytiled") {
    m_bTiledY = sValue == L"true";
  }
}

void CImageAttribute::SetDest(const RECT& rcDest) { m_rcDest = rcDest; }

bool CImageAttribute::IsUsable() const { return !m_sImageAttribute.IsEmpty() && m_bLoadable; }

const UIImageRecord* CImageAttribute::GetImageInfo() const { return m_pImageInfo; }

bool CImageAttribute::LoadImage(CWindowManagerUI* pManager) {
  if (m_pImageInfo != nullptr) return true;
  if (!m_bLoadable || pManager == nullptr) return false;
  const UIImageRecord* pData =
      pManager->GetImageEx(m_sFile, m_sResType.IsEmpty() ? nullptr : m_sResType.GetData(), m_dwMask);
  if (pData == nullptr) {
    m_bLoadable = false;
    return false;
  }
  if (IsAllZero(m_rcSource)) m_rcSource = RECT{0, 0, pData->nWidth, pData->nHeight};
  if (m_rcSource.right > pData->nWidth) m_rcSource.right = pData->nWidth;
  if (m_rcSource.bottom > pData->nHeight) m_rcSource.bottom = pData->nHeight;
  m_pImageInfo = pData;
  return true;
}

}  // namespace SkinUI
