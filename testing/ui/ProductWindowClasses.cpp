#include "testing/ui/ProductWindowClasses.h"

#include <algorithm>

namespace controltest {

const std::vector<std::wstring>& ProductWindowClasses() {
  static const std::vector<std::wstring> classes = {
#include "ProductWindowClasses.inc"
  };
  return classes;
}

bool IsProductWindowClass(const std::wstring& className) {
  const std::vector<std::wstring>& classes = ProductWindowClasses();
  return std::find(classes.begin(), classes.end(), className) != classes.end();
}

}  // namespace controltest
