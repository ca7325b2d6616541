#include "platform/gdiplus/StringLayout.h"

#include <algorithm>
#include <cwchar>

#include "platform/gdi/DrawTextLayout.h"
#include "platform/gdi/FontObject.h"
#include "platform/gdi/GdiConstants.h"
#include "platform/gdiplus/StringFormat.h"

namespace Gdiplus {
namespace {

REAL Offset(StringAlignment alignment, REAL room) {
  if (alignment == StringAlignmentCenter) return room / 2;
  if (alignment == StringAlignmentFar) return room;
  return 0;
}

}  // namespace

StringLayout::StringLayout(platform::gdi::FontObject& font, const WCHAR* text, INT length, const RectF& layout,
                           const StringFormat* format) {
  static const StringFormat kDefault;
  if (!format) format = &kDefault;
  size_t count = length < 0 ? std::wcslen(text) : static_cast<size_t>(length);
  INT flags = format->GetFormatFlags();
  bool limitedWidth = layout.Width > 0;
  UINT breaking = DT_NOPREFIX;
  if (limitedWidth && !(flags & StringFormatFlagsNoWrap)) breaking |= DT_WORDBREAK;
  StringTrimming trimming = format->GetTrimming();
  if (limitedWidth && (trimming == StringTrimmingEllipsisCharacter || trimming == StringTrimmingEllipsisWord ||
                       trimming == StringTrimmingEllipsisPath))
    breaking |= DT_END_ELLIPSIS;
  int width = limitedWidth ? static_cast<int>(layout.Width) : 0x3FFFFFFF;
  platform::gdi::DrawTextLayout lines(font, text, count, breaking, width);

  lineHeight_ = static_cast<REAL>(font.Metrics().tmHeight + font.Metrics().tmExternalLeading);
  size_t shown = lines.Lines().size();
  // Lines wholly below a limited height are not laid out (the line limit).
  if (layout.Height > 0 && shown > 1) {
    size_t fit = static_cast<size_t>(std::max(1.0f, layout.Height / lineHeight_));
    shown = std::min(shown, fit);
  }
  REAL blockHeight = lineHeight_ * static_cast<REAL>(shown);
  REAL top = layout.Y;
  // Without a box the origin is the alignment point: a centred string centres on it.
  if (layout.Height > 0)
    top += Offset(format->GetLineAlignment(), layout.Height - blockHeight);
  else
    top -= Offset(format->GetLineAlignment(), blockHeight);
  REAL widest = 0;
  for (size_t i = 0; i < shown; ++i) widest = std::max(widest, static_cast<REAL>(lines.Lines()[i].width));
  REAL left = 1e30f;
  for (size_t i = 0; i < shown; ++i) {
    const auto& line = lines.Lines()[i];
    REAL lineWidth = static_cast<REAL>(line.width);
    REAL x = layout.X;
    if (limitedWidth)
      x += Offset(format->GetAlignment(), layout.Width - lineWidth);
    else
      x -= Offset(format->GetAlignment(), lineWidth);
    left = std::min(left, x);
    lines_.push_back(PlacedLine{line.text, x, top + lineHeight_ * static_cast<REAL>(i), lineWidth});
  }
  if (lines_.empty()) left = layout.X;
  bounds_ = RectF(left, top, widest, blockHeight);
}

}  // namespace Gdiplus
