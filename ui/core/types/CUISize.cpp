#include "ui/core/types/CUISize.h"

namespace SkinUI {

CUISize::CUISize() : tagSIZE{0, 0} {}

CUISize::CUISize(int x, int y) : tagSIZE{x, y} {}

CUISize::CUISize(const SIZE& src) : tagSIZE(src) {}

CUISize::CUISize(const POINT& pt) : tagSIZE{pt.x, pt.y} {}

}  // namespace SkinUI
