// Region handles: creation, combination and queries.
#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/gdi/Gdi.h"
#include "platform/gdi/Region.h"
#include "platform/gdi/RegionObject.h"

using platform::gdi::RegionObject;

namespace {

// Rows of an ellipse inscribed in [x1, x2) x [y1, y2): each pixel row keeps the pixels
// whose centres lie inside the ellipse, the shape a GDI ellipse region has.
void AddEllipseRows(std::vector<pixman_box32_t>& boxes, int x1, int y1, int x2, int y2, int cornerW,
                    int cornerH) {
  const double a = cornerW / 2.0;
  const double b = cornerH / 2.0;
  const int halfRows = cornerH / 2;
  for (int y = y1; y < y2; ++y) {
    int fromTop = y - y1;
    int fromBottom = y2 - 1 - y;
    int row = std::min(fromTop, fromBottom);
    int inset = 0;
    if (row < halfRows) {
      double dy = b - (row + 0.5);
      double half = a * std::sqrt(std::max(0.0, 1.0 - (dy * dy) / (b * b)));
      inset = static_cast<int>(std::lround(a - half));
    }
    int left = x1 + inset;
    int right = x2 - inset;
    if (left < right) boxes.push_back(pixman_box32_t{left, y, right, y + 1});
  }
}

HRGN MakeRoundRegion(int x1, int y1, int x2, int y2, int w, int h) {
  if (x1 > x2) std::swap(x1, x2);
  if (y1 > y2) std::swap(y1, y2);
  auto* region = new RegionObject();
  int cornerW = std::min(std::abs(w), x2 - x1);
  int cornerH = std::min(std::abs(h), y2 - y1);
  if (cornerW < 2 || cornerH < 2) {
    region->SetRect(x1, y1, x2, y2);
    return region->Handle();
  }
  std::vector<pixman_box32_t> boxes;
  AddEllipseRows(boxes, x1, y1, x2, y2, cornerW, cornerH);
  pixman_region32_fini(region->Pixman());
  pixman_region32_init_rects(region->Pixman(), boxes.data(), static_cast<int>(boxes.size()));
  return region->Handle();
}

}  // namespace

HRGN CreateRectRgn(int x1, int y1, int x2, int y2) {
  auto* region = new RegionObject();
  region->SetRect(x1, y1, x2, y2);
  return region->Handle();
}

HRGN CreateRectRgnIndirect(const RECT* lprect) {
  if (!lprect) return nullptr;
  return CreateRectRgn(lprect->left, lprect->top, lprect->right, lprect->bottom);
}

// The round rectangle covers one pixel less to the right and bottom than the
// rectangle given, as on Windows: callers pass right + 1 and bottom + 1 for that.
HRGN CreateRoundRectRgn(int x1, int y1, int x2, int y2, int w, int h) {
  if (x1 > x2) std::swap(x1, x2);
  if (y1 > y2) std::swap(y1, y2);
  return MakeRoundRegion(x1, y1, std::max(x1, x2 - 1), std::max(y1, y2 - 1), w, h);
}

HRGN CreateEllipticRgn(int x1, int y1, int x2, int y2) {
  return MakeRoundRegion(x1, y1, x2, y2, std::abs(x2 - x1), std::abs(y2 - y1));
}

BOOL SetRectRgn(HRGN hrgn, int left, int top, int right, int bottom) {
  RegionObject* region = RegionObject::FromHandle(hrgn);
  if (!region) return FALSE;
  region->SetRect(left, top, right, bottom);
  return TRUE;
}

int CombineRgn(HRGN hrgnDst, HRGN hrgnSrc1, HRGN hrgnSrc2, int iMode) {
  RegionObject* dst = RegionObject::FromHandle(hrgnDst);
  RegionObject* a = RegionObject::FromHandle(hrgnSrc1);
  if (!dst || !a) return ERROR;
  if (iMode == RGN_COPY) {
    dst->Assign(a->Pixman());
    return dst->Kind();
  }
  RegionObject* b = RegionObject::FromHandle(hrgnSrc2);
  if (!b) return ERROR;
  pixman_region32_t result;
  pixman_region32_init(&result);
  switch (iMode) {
    case RGN_AND:
      pixman_region32_intersect(&result, a->Pixman(), b->Pixman());
      break;
    case RGN_OR:
      pixman_region32_union(&result, a->Pixman(), b->Pixman());
      break;
    case RGN_DIFF:
      pixman_region32_subtract(&result, a->Pixman(), b->Pixman());
      break;
    case RGN_XOR: {
      pixman_region32_t both, either;
      pixman_region32_init(&both);
      pixman_region32_init(&either);
      pixman_region32_intersect(&both, a->Pixman(), b->Pixman());
      pixman_region32_union(&either, a->Pixman(), b->Pixman());
      pixman_region32_subtract(&result, &either, &both);
      pixman_region32_fini(&both);
      pixman_region32_fini(&either);
      break;
    }
    default:
      pixman_region32_fini(&result);
      return ERROR;
  }
  dst->Assign(&result);
  pixman_region32_fini(&result);
  return dst->Kind();
}

BOOL EqualRgn(HRGN hrgn1, HRGN hrgn2) {
  RegionObject* a = RegionObject::FromHandle(hrgn1);
  RegionObject* b = RegionObject::FromHandle(hrgn2);
  if (!a || !b) return FALSE;
  return pixman_region32_equal(a->Pixman(), b->Pixman()) ? TRUE : FALSE;
}

BOOL PtInRegion(HRGN hrgn, int x, int y) {
  RegionObject* region = RegionObject::FromHandle(hrgn);
  if (!region) return FALSE;
  return pixman_region32_contains_point(region->Pixman(), x, y, nullptr) ? TRUE : FALSE;
}

BOOL RectInRegion(HRGN hrgn, const RECT* lprect) {
  RegionObject* region = RegionObject::FromHandle(hrgn);
  if (!region || !lprect) return FALSE;
  pixman_box32_t box{std::min(lprect->left, lprect->right), std::min(lprect->top, lprect->bottom),
                     std::max(lprect->left, lprect->right), std::max(lprect->top, lprect->bottom)};
  return pixman_region32_contains_rectangle(region->Pixman(), &box) != PIXMAN_REGION_OUT ? TRUE : FALSE;
}

int GetRgnBox(HRGN hrgn, LPRECT lprc) {
  RegionObject* region = RegionObject::FromHandle(hrgn);
  if (!region || !lprc) return ERROR;
  int kind = region->Kind();
  if (kind == NULLREGION) {
    *lprc = RECT{0, 0, 0, 0};
    return kind;
  }
  const pixman_box32_t* box = pixman_region32_extents(region->Pixman());
  *lprc = RECT{box->x1, box->y1, box->x2, box->y2};
  return kind;
}

int OffsetRgn(HRGN hrgn, int x, int y) {
  RegionObject* region = RegionObject::FromHandle(hrgn);
  if (!region) return ERROR;
  pixman_region32_translate(region->Pixman(), x, y);
  return region->Kind();
}

namespace platform::gdi {

const pixman_region32_t* RegionPixman(HRGN hrgn) {
  RegionObject* region = RegionObject::FromHandle(hrgn);
  return region ? region->Pixman() : nullptr;
}

HRGN RegionFromPixman(const pixman_region32_t* region) {
  if (!region) return nullptr;
  return (new RegionObject(region))->Handle();
}

bool RegionAssign(HRGN hrgn, const pixman_region32_t* source) {
  RegionObject* region = RegionObject::FromHandle(hrgn);
  if (!region || !source) return false;
  region->Assign(source);
  return true;
}

}  // namespace platform::gdi
