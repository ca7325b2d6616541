#include "platform/textservices/LineBreaker.h"

#include <pango/pango.h>

#include "platform/gdi/Utf8Text.h"

namespace platform::textservices {

std::vector<bool> LineBreaker::BreakOpportunities(const wchar_t* text, size_t count) {
  std::vector<bool> breaks(count, false);
  if (count == 0) return breaks;
  const gdi::Utf8Text utf8(text, count);
  std::vector<PangoLogAttr> attrs(count + 1);
  pango_get_log_attrs(utf8.Bytes().data(), int(utf8.Bytes().size()), -1, pango_language_from_string("zh-cn"),
                      attrs.data(), int(attrs.size()));
  for (size_t i = 1; i < count; ++i) breaks[i] = attrs[i].is_line_break != 0;
  return breaks;
}

}  // namespace platform::textservices
