#include "ui/core/window/CShadowUI.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "ui/core/manager/CWindowManagerUI.h"

namespace SkinUI {
namespace {

const wchar_t kShadowClassName[] = L"VelmoShadowWnd";

std::mutex& RegistrationLock() {
  static std::mutex* lock = new std::mutex();
  return *lock;
}

// One row of an outline: the columns from left up to right (exclusive). A row
// without any pixel has left above right.
struct Span {
  int left;
  int right;
  bool IsEmpty() const { return left >= right; }
};

// Writes into a bottom-up bitmap by rows counted from the top, ignoring whatever
// falls outside it.
class ShadowBitmap {
 public:
  ShadowBitmap(uint32_t* bits, int width, int height) : bits_(bits), width_(width), height_(height) {}

  uint32_t* Row(int row) const { return bits_ + static_cast<size_t>(height_ - 1 - row) * width_; }

  void Fill(int row, int from, int to, uint32_t value) const {
    if (row < 0 || row >= height_) return;
    from = std::max(from, 0);
    to = std::min(to, width_);
    uint32_t* line = Row(row);
    for (int col = from; col < to; ++col) line[col] = value;
  }

  // Keeps the larger of each pixel and the kernel cell over it, centred on (col, row).
  void Stamp(int col, int row, const std::vector<uint32_t>& kernel, int radius) const {
    const int side = 2 * radius + 1;
    for (int k = 0; k < side; ++k) {
      const int y = row - radius + k;
      if (y < 0 || y >= height_) continue;
      uint32_t* line = Row(y);
      const uint32_t* cells = kernel.data() + static_cast<size_t>(k) * side;
      for (int l = 0; l < side; ++l) {
        const int x = col - radius + l;
        if (x < 0 || x >= width_) continue;
        if (line[x] < cells[l]) line[x] = cells[l];
      }
    }
  }

 private:
  uint32_t* bits_;
  int width_;
  int height_;
};

std::vector<Span> HostSpans(HRGN hRegion, int width, int height) {
  std::vector<Span> spans(static_cast<size_t>(height), Span{width, 0});
  for (int y = 0; y < height; ++y) {
    int left = 0;
    while (left < width && !::PtInRegion(hRegion, left, y)) ++left;
    if (left == width) continue;
    int right = width - 1;
    while (right > left && !::PtInRegion(hRegion, right, y)) --right;
    spans[static_cast<size_t>(y)] = Span{left, right + 1};
  }
  return spans;
}

// One round of erosion: each row keeps only what it shares with both neighbours,
// less one pixel at each end. The first and last entries are borders and stay.
std::vector<Span> Erode(const std::vector<Span>& spans) {
  std::vector<Span> result = spans;
  for (size_t i = 1; i + 1 < spans.size(); ++i) {
    result[i].left = std::max({spans[i - 1].left, spans[i].left, spans[i + 1].left}) + 1;
    result[i].right = std::min({spans[i - 1].right, spans[i].right, spans[i + 1].right}) - 1;
  }
  return result;
}

}  // namespace

bool CShadowUI::s_bHasInit = false;

CShadowUI::CShadowUI()
    : m_pManager(nullptr),
      m_hWnd(nullptr),
      m_OriParentProc(nullptr),
      m_Status(0),
      m_bIsImageMode(false),
      m_bIsShowShadow(false),
      m_nDarkness(150),
      m_nSharpness(5),
      m_nSize(0),
      m_nxOffset(0),
      m_nyOffset(0),
      m_WndSize(0),
      m_bUpdate(false),
      m_Color(0),
      m_rcShadowCorner{0, 0, 0, 0},
      m_hHost(nullptr) {}

CShadowUI::~CShadowUI() { Detach(); }

void CShadowUI::Detach() {
  if (m_hHost == nullptr) return;
  {
    std::lock_guard<std::mutex> lock(GetShadowMapLock());
    std::map<HWND, CShadowUI*>& map = GetShadowMap();
    auto it = map.find(m_hHost);
    // Erased already when the host is gone (WM_NCDESTROY).
    if (it == map.end() || it->second != this) return;
    map.erase(it);
  }
  if (::IsWindow(m_hHost) &&
      ::GetWindowLongPtrW(m_hHost, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&CShadowUI::HostWindowProc)) {
    ::SetWindowLongPtrW(m_hHost, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_OriParentProc));
  }
  if (m_hWnd != nullptr && ::IsWindow(m_hWnd)) ::DestroyWindow(m_hWnd);
  m_hWnd = nullptr;
  m_hHost = nullptr;
}

bool CShadowUI::RegisterShadowClass(HINSTANCE hInstance) {
  std::lock_guard<std::mutex> lock(RegistrationLock());
  if (s_bHasInit) return false;
  WNDCLASSEXW wcex = {};
  wcex.cbSize = sizeof(wcex);
  wcex.style = CS_HREDRAW | CS_VREDRAW;
  wcex.lpfnWndProc = ::DefWindowProcW;
  wcex.hInstance = hInstance;
  wcex.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  wcex.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOW + 1));
  wcex.lpszClassName = kShadowClassName;
  if (::RegisterClassExW(&wcex) == 0) return false;
  s_bHasInit = true;
  return true;
}

std::map<HWND, CShadowUI*>& CShadowUI::GetShadowMap() {
  static std::map<HWND, CShadowUI*>* map = new std::map<HWND, CShadowUI*>();
  return *map;
}

std::mutex& CShadowUI::GetShadowMapLock() {
  static std::mutex* lock = new std::mutex();
  return *lock;
}

void CShadowUI::Create(CWindowManagerUI* pManager) {
  if (!m_bIsShowShadow || pManager == nullptr) return;
  HWND hParent = pManager->GetPaintWindow();
  if (!::IsWindow(hParent)) return;
  {
    // A second creation would subclass the host with its own procedure as the
    // saved one, and every host message would then recurse without end.
    std::lock_guard<std::mutex> lock(GetShadowMapLock());
    std::map<HWND, CShadowUI*>& map = GetShadowMap();
    if (map.find(hParent) != map.end()) return;
    map[hParent] = this;
  }
  m_pManager = pManager;
  m_hHost = hParent;

  const LONG lParentStyle = ::GetWindowLongW(hParent, GWL_STYLE);
  m_hWnd = ::CreateWindowExW(WS_EX_LAYERED | WS_EX_TRANSPARENT, kShadowClassName, nullptr,
                             WS_POPUP | WS_BORDER | WS_SYSMENU | (lParentStyle & WS_CAPTION), CW_USEDEFAULT, 0, 0, 0,
                             hParent, nullptr, CWindowManagerUI::GetInstance(), nullptr);

  if ((lParentStyle & WS_VISIBLE) == 0) {
    m_Status = SS_ENABLED;
  } else if ((lParentStyle & (WS_MAXIMIZE | WS_MINIMIZE)) != 0) {
    m_Status = SS_ENABLED | SS_PARENTVISIBLE;
  } else {
    m_Status = SS_ENABLED | SS_VISABLE | SS_PARENTVISIBLE;
    ::ShowWindow(m_hWnd, SW_SHOWNA);
    Update(hParent);
  }

  m_OriParentProc = reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(hParent, GWLP_WNDPROC));
  ::SetWindowLongPtrW(hParent, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CShadowUI::HostWindowProc));
}

void CShadowUI::ShowShadow(bool bShow) { m_bIsShowShadow = bShow; }

bool CShadowUI::IsShowShadow() const { return m_bIsShowShadow; }

namespace {

bool InRange(int value, int low, int high) { return value >= low && value <= high; }

}  // namespace

void CShadowUI::RedrawIfShown() {
  if (m_hWnd != nullptr && (m_Status & SS_VISABLE) != 0) Update(::GetParent(m_hWnd));
}

bool CShadowUI::SetSize(int nSize) {
  if (!InRange(nSize, -20, 20)) return false;
  m_nSize = static_cast<signed char>(nSize);
  RedrawIfShown();
  return true;
}

bool CShadowUI::SetSharpness(unsigned int nSharpness) {
  if (nSharpness > 20) return false;
  m_nSharpness = static_cast<unsigned char>(nSharpness);
  RedrawIfShown();
  return true;
}

bool CShadowUI::SetDarkness(unsigned int nDarkness) {
  if (nDarkness > 255) return false;
  m_nDarkness = static_cast<unsigned char>(nDarkness);
  RedrawIfShown();
  return true;
}

bool CShadowUI::SetPosition(int nXOffset, int nYOffset) {
  if (!InRange(nXOffset, -20, 20) || !InRange(nYOffset, -20, 20)) return false;
  m_nxOffset = static_cast<signed char>(nXOffset);
  m_nyOffset = static_cast<signed char>(nYOffset);
  RedrawIfShown();
  return true;
}

bool CShadowUI::SetColor(COLORREF color) {
  m_Color = color;
  RedrawIfShown();
  return true;
}

bool CShadowUI::SetImage(LPCTSTR pszImage) {
  if (pszImage == nullptr) return false;
  m_bIsImageMode = true;
  m_sShadowImage = pszImage;
  RedrawIfShown();
  return true;
}

bool CShadowUI::SetShadowCorner(RECT rcCorner) {
  if (rcCorner.left < 0 || rcCorner.top < 0 || rcCorner.right < 0 || rcCorner.bottom < 0) return false;
  m_rcShadowCorner = rcCorner;
  RedrawIfShown();
  return true;
}

bool CShadowUI::CopyShadow(CShadowUI* pShadow) {
  if (pShadow == nullptr) return false;
  if (m_bIsImageMode) {
    pShadow->SetImage(m_sShadowImage);
    pShadow->SetShadowCorner(m_rcShadowCorner);
  } else {
    pShadow->SetSize(m_nSize);
    pShadow->SetSharpness(m_nSharpness);
    pShadow->SetDarkness(m_nDarkness);
    pShadow->SetColor(m_Color);
    pShadow->SetPosition(m_nxOffset, m_nyOffset);
  }
  pShadow->ShowShadow(m_bIsShowShadow);
  return true;
}

void CShadowUI::MakeShadow(uint32_t* pShadBits, HWND hParent, RECT* rcParent) {
  if (rcParent == nullptr) return;
  // A host without a window region keeps the empty region: no shadow at all.
  HRGN hRegion = ::CreateRectRgn(0, 0, 0, 0);
  ::GetWindowRgn(hParent, hRegion);
  MakeShadowOfRegion(pShadBits, hRegion, *rcParent);
  ::DeleteObject(hRegion);
}

void CShadowUI::MakeShadowOfRegion(uint32_t* pShadBits, HRGN hRegion, const RECT& rcParent) const {
  const int W = rcParent.right - rcParent.left;
  const int H = rcParent.bottom - rcParent.top;
  const int S = m_nSize;
  const int P = m_nSharpness;
  const int X = m_nxOffset;
  const int Y = m_nyOffset;
  const int SW = W + 2 * S;
  const int SH = H + 2 * S;
  if (pShadBits == nullptr || W <= 0 || H <= 0 || SW <= 0 || SH <= 0) return;
  const ShadowBitmap bitmap(pShadBits, SW, SH);

  const std::vector<Span> host = HostSpans(hRegion, W, H);

  // Row r of the bitmap (or of the host, when the shadow is smaller) at index r + 1,
  // with an empty border row at each end.
  const int nRows = std::max(H, SH);
  std::vector<Span> spans(static_cast<size_t>(nRows) + 2, Span{W, 0});
  for (int r = 0; r < nRows; ++r) {
    const int h = r - S;
    if (h < 0 || h >= H) continue;
    spans[static_cast<size_t>(r) + 1] = Span{host[static_cast<size_t>(h)].left + S, host[static_cast<size_t>(h)].right + S};
  }
  // A sharp edge inside a small shadow: shrink the outline so that the fading ring
  // stamped around it still ends within the size.
  for (int round = 0; round < P - S; ++round) spans = Erode(spans);
  auto SpanOf = [&spans](int row) { return spans[static_cast<size_t>(row) + 1]; };

  const int K = std::max(P, S);
  const int c0 = S > P ? S - P : 0;
  const int side = 2 * K + 1;
  std::vector<uint32_t> kernel(static_cast<size_t>(side) * side, 0);
  for (int i = 0; i < side; ++i) {
    for (int j = 0; j < side; ++j) {
      const double d = std::sqrt(static_cast<double>((i - K) * (i - K) + (j - K) * (j - K)));
      if (d > K) continue;
      const uint32_t alpha = d < c0 ? m_nDarkness : static_cast<uint32_t>((1 - (d - c0) / (P + 1)) * m_nDarkness);
      kernel[static_cast<size_t>(i) * side + j] = alpha << 24 | PreMultiply(m_Color, static_cast<unsigned char>(alpha));
    }
  }

  // The soft edge: the kernel stamped along the outline's left and right ends,
  // wherever a row reaches past its neighbours.
  for (int i = K; i < SH - K; ++i) {
    const Span cur = SpanOf(i);
    if (cur.IsEmpty()) continue;
    const Span up = SpanOf(i - 1);
    const Span down = SpanOf(i + 1);
    int j = cur.left;
    for (; j < std::min(std::max(up.left, down.left) + 1, cur.right); ++j) bitmap.Stamp(j, i, kernel, K);
    for (j = std::max(j, std::min(up.right, down.right) - 1); j < cur.right; ++j) bitmap.Stamp(j, i, kernel, K);
  }

  // The solid inside, cut away where the host lies once the offset moves the
  // shadow under it.
  const uint32_t clCenter = static_cast<uint32_t>(m_nDarkness) << 24 | PreMultiply(m_Color, m_nDarkness);
  const int iFirst = std::min(K, std::max(S - Y, 0));
  const int iEnd = std::max(SH - K, std::min(H + S - Y, H + 2 * S));
  for (int i = iFirst; i < iEnd && i < nRows; ++i) {
    const Span span = SpanOf(i);
    const int h = i - S + Y;
    if (h < 0 || h >= H) {
      bitmap.Fill(i, span.left, span.right, clCenter);
      continue;
    }
    const int a = host[static_cast<size_t>(h)].left + S - X;
    const int b = host[static_cast<size_t>(h)].right + S - X;
    bitmap.Fill(i, span.left, std::min(a, span.right), clCenter);
    bitmap.Fill(i, std::max(a, 0), std::min(b, SW), 0);
    bitmap.Fill(i, std::max(b, span.left), span.right, clCenter);
  }
}

DWORD CShadowUI::PreMultiply(COLORREF cl, unsigned char nAlpha) {
  const DWORD b = (cl & 0xFF) * nAlpha / 255;
  const DWORD g = ((cl >> 8) & 0xFF) * nAlpha / 255;
  const DWORD r = ((cl >> 16) & 0xFF) * nAlpha / 255;
  return r << 16 | g << 8 | b;
}

}  // namespace SkinUI
