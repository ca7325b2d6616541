#include "platform/gdi/FontObject.h"

#include <algorithm>
#include <cmath>
#include <cwchar>

#include "platform/gdi/FaceTable.h"
#include "platform/gdi/ObjectTable.h"

namespace platform::gdi {
namespace {

constexpr int kDefaultEm = 12;

std::wstring FaceOf(const LOGFONTW& logFont) {
  size_t length = 0;
  while (length < LF_FACESIZE && logFont.lfFaceName[length]) ++length;
  return std::wstring(logFont.lfFaceName, length);
}

// The weight drawn: 0 is normal, above 1000 is 1000.
LONG NormalWeight(LONG weight) {
  if (weight <= 0) return FW_NORMAL;
  return std::min<LONG>(weight, 1000);
}

int EmOf(const LOGFONTW& logFont, const FaceInfo* info) {
  if (logFont.lfHeight < 0) return -logFont.lfHeight;
  if (logFont.lfHeight == 0) return kDefaultEm;
  // A positive height asks for the cell height (ascent plus descent).
  double cellPerEm = info ? info->ascent + info->descent : 1.0;
  return std::max(1, static_cast<int>(std::lround(logFont.lfHeight / cellPerEm)));
}

}  // namespace

FontObject::FontObject(const LOGFONTW& logFont) : GdiObject(OBJ_FONT), logFont_(logFont), face_(FaceOf(logFont)) {
  const FaceInfo* info = face_.empty() ? &FaceTable::Default() : FaceTable::Find(face_);
  fontFace_ = FontFace::Get(face_, info, EmOf(logFont, info), NormalWeight(logFont.lfWeight), logFont.lfItalic != 0);
  metrics_ = fontFace_->Metrics();
  metrics_.tmItalic = logFont_.lfItalic ? 1 : 0;
  metrics_.tmUnderlined = logFont_.lfUnderline ? 1 : 0;
  metrics_.tmStruckOut = logFont_.lfStrikeOut ? 1 : 0;
  metrics_.tmCharSet = logFont_.lfCharSet;
}

FontObject* FontObject::FromHandle(HGDIOBJ handle) { return ObjectTable::FindAs<FontObject>(handle, OBJ_FONT); }

FontObject* FontObject::StockGuiFont() {
  static FontObject* font = [] {
    LOGFONTW logFont{};
    logFont.lfHeight = -12;
    logFont.lfWeight = FW_NORMAL;
    logFont.lfCharSet = GB2312_CHARSET;
    std::wcsncpy(logFont.lfFaceName, L"宋体", LF_FACESIZE - 1);
    auto* stock = new FontObject(logFont);
    stock->MarkStock();
    return stock;
  }();
  return font;
}

}  // namespace platform::gdi
