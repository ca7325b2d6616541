#pragma once
// How a string is laid out: alignments, wrapping, clipping and trimming.
#include "platform/gdiplus/GdiPlusTypes.h"

namespace Gdiplus {

class StringFormat {
 public:
  explicit StringFormat(INT formatFlags = 0, WORD language = 0);
  explicit StringFormat(const StringFormat* format);

  static const StringFormat* GenericDefault();
  static const StringFormat* GenericTypographic();
  StringFormat* Clone() const { return new StringFormat(this); }

  Status SetFormatFlags(INT flags);
  INT GetFormatFlags() const { return flags_; }
  Status SetAlignment(StringAlignment align);
  StringAlignment GetAlignment() const { return alignment_; }
  Status SetLineAlignment(StringAlignment align);
  StringAlignment GetLineAlignment() const { return lineAlignment_; }
  Status SetTrimming(StringTrimming trimming);
  StringTrimming GetTrimming() const { return trimming_; }
  Status GetLastStatus() const { return Ok; }

 private:
  INT flags_;
  StringAlignment alignment_ = StringAlignmentNear;
  StringAlignment lineAlignment_ = StringAlignmentNear;
  StringTrimming trimming_ = StringTrimmingCharacter;
};

}  // namespace Gdiplus
