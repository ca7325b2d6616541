#include <string>

#include "tests/fuzz/FuzzTargets.h"
#include "tests/fuzz/FuzzText.h"
#include "ui/core/render/CImageAttribute.h"
#include "ui/core/types/CUIValueParser.h"

namespace fuzz {

// Each line goes through every reader of skin values, and the whole text through
// the image description.
int FuzzValueParsers(const uint8_t* data, size_t size) {
  const std::wstring text = WideFromUtf8(data, size);
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find(L'\n', start);
    if (end == std::wstring::npos) end = text.size();
    const std::wstring line = text.substr(start, end - start);
    int values[10];
    SkinUI::CUIValueParser::ReadIntegers(line.c_str(), values, 10);
    (void)SkinUI::CUIValueParser::ReadRect(line.c_str());
    (void)SkinUI::CUIValueParser::ReadColor(line.c_str());
    LPCTSTR pEnd = nullptr;
    (void)SkinUI::CUIValueParser::ReadDecimal(line.c_str(), &pEnd);
    (void)SkinUI::CUIValueParser::ReadHex(line.c_str(), &pEnd);
    (void)SkinUI::CUIValueParser::ReadPixels(line.c_str(), &pEnd);
    (void)SkinUI::CUIValueParser::ReadFontSize(line.c_str(), &pEnd);
    start = end + 1;
  }
  SkinUI::CImageAttribute image;
  image.ParseAttribute(text.c_str());
  SkinUI::CImageAttribute copy(image);
  (void)copy;
  return 0;
}

}  // namespace fuzz
