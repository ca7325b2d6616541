#include "platform/gdiplus/StringFormat.h"

namespace Gdiplus {

StringFormat::StringFormat(INT formatFlags, WORD) : flags_(formatFlags) {}

StringFormat::StringFormat(const StringFormat* format) : flags_(0) {
  if (format) *this = *format;
}

const StringFormat* StringFormat::GenericDefault() {
  static const StringFormat format;
  return &format;
}

const StringFormat* StringFormat::GenericTypographic() {
  static const StringFormat format = [] {
    StringFormat typographic(StringFormatFlagsNoFitBlackBox | StringFormatFlagsLineLimit | StringFormatFlagsNoClip);
    typographic.SetTrimming(StringTrimmingNone);
    return typographic;
  }();
  return &format;
}

Status StringFormat::SetFormatFlags(INT flags) {
  flags_ = flags;
  return Ok;
}

Status StringFormat::SetAlignment(StringAlignment align) {
  alignment_ = align;
  return Ok;
}

Status StringFormat::SetLineAlignment(StringAlignment align) {
  lineAlignment_ = align;
  return Ok;
}

Status StringFormat::SetTrimming(StringTrimming trimming) {
  trimming_ = trimming;
  return Ok;
}

}  // namespace Gdiplus
