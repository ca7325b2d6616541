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

CImageAttribute::CImageAttribute() = default;

CImageAttribute::CImageAttribute(const CImageAttribute& src) { Assign(src); }

CImageAttribute& CImageAttribute::operator=(const CImageAttribute& src) {
  if (this != &src) Assign(src);
  return *this;
}

CImageAttribute::~CImageAttribute() = default;

const CImageAttribute::Fields& CImageAttribute::Read() const {
  static const Fields kStart;
  return m_pFields != nullptr ? *m_pFields : kStart;
}

CImageAttribute::Fields& CImageAttribute::Write() {
  if (m_pFields == nullptr) m_pFields = std::make_unique<Fields>();
  return *m_pFields;
}

void CImageAttribute::Assign(const CImageAttribute& src) {
  if (this == &src) return;
  if (src.m_pFields == nullptr) {
    m_pFields.reset();
    return;
  }
  Write() = *src.m_pFields;
}

void CImageAttribute::Clear() { m_pFields.reset(); }

void CImageAttribute::SetAttributeString(LPCTSTR pStrImageAttri) {
  if (Read().sImageAttribute == (pStrImageAttri != nullptr ? pStrImageAttri : L"")) return;
  Clear();
  if (pStrImageAttri == nullptr || *pStrImageAttri == L'\0') return;
  Fields& fields = Write();
  fields.sImageAttribute = pStrImageAttri;
  // A bare name is the file itself; pairs overwrite it when they name one.
  fields.sFile = pStrImageAttri;
  ParseAttribute(pStrImageAttri);
}

const CUIString& CImageAttribute::GetAttributeString() const { return Read().sImageAttribute; }

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
  Fields& fields = Write();
  if (sKey == L"file" || sKey == L"res") {
    fields.sFile = sValue;
  } else if (sKey == L"restype") {
    fields.sResType = sValue;
  } else if (sKey == L"dest") {
    fields.rcDest = CUIValueParser::ReadRect(sValue);
  } else if (sKey == L"source") {
    fields.rcSource = CUIValueParser::ReadRect(sValue);
  } else if (sKey == L"corner") {
    fields.rcCorner = CUIValueParser::ReadRect(sValue);
  } else if (sKey == L"mask") {
    fields.dwMask = CUIValueParser::ReadColor(sValue);
  } else if (sKey == L"fade") {
    fields.uFade = static_cast<BYTE>(_wtoi(sValue));
  } else if (sKey == L"hole") {
    fields.bHole = sValue == L"true";
  } else if (sKey == L"xtiled") {
    fields.bTiledX = sValue == L"true";
  } else if (sKey == L"ytiled") {
    fields.bTiledY = sValue == L"true";
  }
}

void CImageAttribute::SetDest(const RECT& rcDest) { Write().rcDest = rcDest; }

bool CImageAttribute::IsUsable() const { return !Read().sImageAttribute.IsEmpty() && Read().bLoadable; }

const UIImageRecord* CImageAttribute::GetImageInfo() const { return Read().pImageInfo; }

bool CImageAttribute::LoadImage(CWindowManagerUI* pManager) {
  if (Read().pImageInfo != nullptr) return true;
  if (!Read().bLoadable || pManager == nullptr) return false;
  Fields& fields = Write();
  const UIImageRecord* pData = pManager->GetImageEx(
      fields.sFile, fields.sResType.IsEmpty() ? nullptr : fields.sResType.GetData(), fields.dwMask);
  if (pData == nullptr) {
    fields.bLoadable = false;
    return false;
  }
  RECT& rcSource = fields.rcSource;
  if (IsAllZero(rcSource)) rcSource = RECT{0, 0, pData->nWidth, pData->nHeight};
  if (rcSource.right > pData->nWidth) rcSource.right = pData->nWidth;
  if (rcSource.bottom > pData->nHeight) rcSource.bottom = pData->nHeight;
  fields.pImageInfo = pData;
  return true;
}

}  // namespace SkinUI
