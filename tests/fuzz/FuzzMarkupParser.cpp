#include <vector>

#include "tests/fuzz/FuzzTargets.h"
#include "ui/core/markup/CMarkupParser.h"

namespace fuzz {
namespace {

// Reads everything each element offers, with a stack of its own.
void Walk(SkinUI::CMarkupElement root) {
  std::vector<SkinUI::CMarkupElement> pending{root};
  while (!pending.empty()) {
    SkinUI::CMarkupElement element = pending.back();
    pending.pop_back();
    if (!element.IsValid()) continue;
    (void)element.GetName();
    for (int i = 0; i < element.GetAttributeCount(); ++i) {
      (void)element.GetAttributeName(i);
      (void)element.GetAttributeValue(i);
    }
    wchar_t value[8];
    element.GetAttributeValueByName(L"name", value, 8);
    pending.push_back(element.GetSibling());
    if (element.HasChildren()) pending.push_back(element.GetChild());
  }
}

}  // namespace

// The first byte picks the encoding, as the three roads into the parser do.
int FuzzMarkupParser(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  const int encoding = data[0] % 3;
  SkinUI::CMarkupParser parser;
  if (parser.LoadFromMemory(data + 1, static_cast<DWORD>(size - 1), encoding)) Walk(parser.GetRoot());
  (void)parser.GetLastErrorMessage();
  (void)parser.GetLastErrorLocation();
  return 0;
}

}  // namespace fuzz
