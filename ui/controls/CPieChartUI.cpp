#include "ui/controls/CPieChartUI.h"

#include <cmath>
#include <cwchar>

#include "platform/gdiplus/GdiPlus.h"

namespace SkinUI {

namespace {

const double kPi = 3.14159265358979323846;
// Offsets of the ring's centre from the control's corner.
const int kCentreX = 103;
const int kCentreY = 102;
const Gdiplus::ARGB kDiscColor = 0xff01154c;
const Gdiplus::REAL kFirstAngle = 180.0f;

// One ring: where its ellipse sits, how its leader line bends and what its label says.
struct Sector {
  Gdiplus::ARGB color;
  int left;  // of the ellipse, from the control's corner
  int top;
  int radius;
  const wchar_t* format;
};

const Sector kSectors[3] = {
    {0xff078fd6, 28, 27, 75, L"未按时%d%%"},
    {0xffcc8600, 38, 37, 65, L"漏检率%d%%"},
    {0xff34f35d, 48, 47, 55, L"合格率%d%%"},
};

struct Leader {
  Gdiplus::Point points[3];
  Gdiplus::PointF label;
};

// The elbow and the end of the leader line depend on the side of the centre the sector's
// middle lies; each ring bends its own way so that the labels do not meet.
Leader MakeLeader(int index, double angle, int cx, int cy) {
  const double radians = angle * kPi / 180.0;
  const int radius = kSectors[index].radius;
  const int px = static_cast<int>(cx + radius * std::cos(radians));
  const int py = static_cast<int>(cy + radius * std::sin(radians));
  const bool left = px <= cx;
  const bool above = py <= cy;
  int qx = 0;
  int qy = 0;
  int rx = 0;
  switch (index) {
    case 0:
      qx = left ? px - 15 : px + 15;
      qy = above ? py - 15 : py + 15;
      rx = left ? qx - 50 : qx + 30;
      break;
    case 1:
      qx = px + 15;
      qy = above ? py - 20 : py + 15;
      rx = left ? qx + 50 : qx + 30;
      break;
    default:
      qx = left ? px - 15 : px + 15;
      qy = above ? py - 15 : py + 15;
      rx = left ? qx - 30 : qx + 30;
      break;
  }
  Leader leader;
  leader.points[0] = Gdiplus::Point(px, py);
  leader.points[1] = Gdiplus::Point(qx, qy);
  leader.points[2] = Gdiplus::Point(rx, qy);
  const bool onLeftHalf = angle > 90.0 && angle < 270.0;
  leader.label = Gdiplus::PointF(static_cast<Gdiplus::REAL>(onLeftHalf ? rx : rx - 30),
                                 static_cast<Gdiplus::REAL>(qy - 20));
  return leader;
}

void DrawLabel(Gdiplus::Graphics& graphics, int index, double angle, int percent, int cx, int cy) {
  const Sector& sector = kSectors[index];
  const Leader leader = MakeLeader(index, angle, cx, cy);
  Gdiplus::Pen pen(sector.color, 1);
  graphics.DrawLines(&pen, leader.points, 3);
  wchar_t text[32] = {0};
  std::swprintf(text, 32, sector.format, percent);
  Gdiplus::FontFamily family(L"微软雅黑");
  Gdiplus::Font font(&family, 14, Gdiplus::FontStyleRegular, Gdiplus::UnitPixel);
  Gdiplus::SolidBrush brush(sector.color);
  graphics.DrawString(text, -1, &font, leader.label, &brush);
}

}  // namespace

CPieChartUI::CPieChartUI() : m_nLate(0), m_nMissed(0), m_nPassed(0) {}

CPieChartUI::~CPieChartUI() = default;

void CPieChartUI::SetValues(int nLate, int nMissed, int nPassed) {
  if (nLate == m_nLate && nMissed == m_nMissed && nPassed == m_nPassed) return;
  m_nLate = nLate;
  m_nMissed = nMissed;
  m_nPassed = nPassed;
  Invalidate();
}

void CPieChartUI::SetAttribute(LPCTSTR pstrName, LPCTSTR pstrValue) {
  if (wcscmp(pstrName, L"late") == 0) {
    SetValues(static_cast<int>(wcstol(pstrValue, nullptr, 10)), m_nMissed, m_nPassed);
  } else if (wcscmp(pstrName, L"missed") == 0) {
    SetValues(m_nLate, static_cast<int>(wcstol(pstrValue, nullptr, 10)), m_nPassed);
  } else if (wcscmp(pstrName, L"passed") == 0) {
    SetValues(m_nLate, m_nMissed, static_cast<int>(wcstol(pstrValue, nullptr, 10)));
  } else {
    CControlUI::SetAttribute(pstrName, pstrValue);
  }
}

// Sweeps are fractions of the circle in floating point, so the sectors meet without a
// gap whatever the values; the labels keep whole per cents.
void CPieChartUI::Paint(HDC hDC, const RECT& rcPaint) {
  if (!::IntersectRect(&m_rcPaint, &rcPaint, &m_rcItem)) return;
  ULONG_PTR token = 0;
  Gdiplus::GdiplusStartupInput input;
  Gdiplus::GdiplusStartup(&token, &input, nullptr);
  const int x = m_rcItem.left;
  const int y = m_rcItem.top;
  const int cx = x + kCentreX;
  const int cy = y + kCentreY;
  {
    Gdiplus::Graphics graphics(hDC);
    graphics.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
    const int values[3] = {m_nLate, m_nMissed, m_nPassed};
    const int total = m_nLate + m_nMissed + m_nPassed;
    double start = kFirstAngle;
    for (int i = 0; i < 3 && total > 0; ++i) {
      const double sweep = values[i] * 360.0 / total;
      const Sector& sector = kSectors[i];
      const int size = 2 * sector.radius;
      Gdiplus::SolidBrush brush(sector.color);
      graphics.FillPie(&brush, x + sector.left, y + sector.top, size, size, static_cast<Gdiplus::REAL>(start),
                       static_cast<Gdiplus::REAL>(sweep));
      if (values[i] != 0) DrawLabel(graphics, i, start + sweep / 2, values[i] * 100 / total, cx, cy);
      start += sweep;
    }
    Gdiplus::SolidBrush disc(kDiscColor);
    graphics.FillEllipse(&disc, x + 68, y + 67, 70, 70);
  }
  Gdiplus::GdiplusShutdown(token);
}

}  // namespace SkinUI
