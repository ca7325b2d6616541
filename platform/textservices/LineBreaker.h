#pragma once
// Where a paragraph may be broken into lines: pango's line-breaking rules (after
// spaces, between Chinese characters, never inside a Latin word), so a wrapped edit
// breaks where the program's other text does.
#include <cstddef>
#include <vector>

namespace platform::textservices {

class LineBreaker {
 public:
  // One entry per character of text[0, count): true when a line may start there.
  static std::vector<bool> BreakOpportunities(const wchar_t* text, size_t count);
};

}  // namespace platform::textservices
