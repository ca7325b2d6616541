// The pass-rate ring drawn into a DIB section: each sector in its colour on its own
// ring, the sectors meeting without a gap, the disc in the middle, and a label beside
// each sector that is not empty.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <ostream>
#include <vector>

#include "tests/ui/core/support/RenderTestSupport.h"
#include "ui/controls/CPieChartUI.h"

namespace {

using rendertest::Canvas;

const DWORD kWhite = 0xFFFFFFFF;
const DWORD kDisc = 0xFF01154C;
const DWORD kColours[3] = {0xFF078FD6, 0xFFCC8600, 0xFF34F35D};
const int kRadii[3] = {75, 65, 55};
const int kDiscRadius = 35;
const double kPi = 3.14159265358979323846;
// The control's corner on the canvas, and so the ring's centre.
const int kLeft = 40;
const int kTop = 30;
const int kCx = kLeft + 103;
const int kCy = kTop + 102;

struct PieCase {
  int values[3];  // late, missed, passed
  // Where each sector's label starts, from the centre; unused for an empty sector.
  POINT labels[3];
};

void PrintTo(const PieCase& c, std::ostream* os) {
  *os << "(" << c.values[0] << ", " << c.values[1] << ", " << c.values[2] << ")";
}

int Channel(DWORD pixel, int shift) { return static_cast<int>((pixel >> shift) & 0xFF); }

// Text of the colour anti-aliased onto white: every channel on the same line from white to
// the colour, at least half way.
bool InkOf(DWORD pixel, DWORD colour) {
  int strongest = 0;
  for (int shift : {0, 8, 16}) {
    if (255 - Channel(colour, shift) > 255 - Channel(colour, strongest)) strongest = shift;
  }
  const double coverage =
      (255.0 - Channel(pixel, strongest)) / (255.0 - Channel(colour, strongest));
  if (coverage < 0.5 || coverage > 1.05) return false;
  for (int shift : {0, 8, 16}) {
    const double expected = 255.0 * (1 - coverage) + Channel(colour, shift) * coverage;
    if (std::abs(Channel(pixel, shift) - expected) > 24) return false;
  }
  return true;
}

double Distance(int x, int y) { return std::hypot(x - kCx, y - kCy); }

DWORD PixelAt(const Canvas& canvas, double degrees, double radius) {
  const double radians = degrees * kPi / 180.0;
  return canvas.Pixel(static_cast<int>(std::lround(kCx + radius * std::cos(radians))),
                      static_cast<int>(std::lround(kCy + radius * std::sin(radians))));
}

class PieChart : public ::testing::TestWithParam<PieCase> {
 protected:
  void SetUp() override {
    chart_.SetPos(RECT{kLeft, kTop, kLeft + 206, kTop + 204});
    const PieCase& c = GetParam();
    chart_.SetValues(c.values[0], c.values[1], c.values[2]);
    chart_.Paint(canvas_.DC(), RECT{0, 0, 400, 300});
  }

  int Total() const { return GetParam().values[0] + GetParam().values[1] + GetParam().values[2]; }
  // Angles clockwise from the right, the first sector starting on the left.
  double Start(int sector) const {
    double start = 180.0;
    for (int i = 0; i < sector; ++i) start += GetParam().values[i] * 360.0 / Total();
    return start;
  }
  double Sweep(int sector) const { return GetParam().values[sector] * 360.0 / Total(); }

  Canvas canvas_{400, 300, kWhite};
  SkinUI::CPieChartUI chart_;
};

TEST_P(PieChart, FillsEachSectorOnItsOwnRing) {
  if (Total() == 0) {
    for (double angle = 0; angle < 360; angle += 5) {
      for (int radius : kRadii) {
        EXPECT_EQ(PixelAt(canvas_, angle, radius - 5), kWhite) << "an empty chart fills no ring: " << angle << " degrees";
      }
    }
    return;
  }
  for (int i = 0; i < 3; ++i) {
    if (GetParam().values[i] == 0) continue;
    const double middle = Start(i) + Sweep(i) / 2;
    EXPECT_EQ(PixelAt(canvas_, middle, kRadii[i] - 5), kColours[i]) << "sector " << i;
    EXPECT_EQ(PixelAt(canvas_, Start(i) + Sweep(i) / 4, kRadii[i] + 3), kWhite) << "sector " << i;
  }
}

// An empty chart leaves the whole ring to the background instead.
TEST_P(PieChart, LeavesNoGapBetweenSectors) {
  const bool empty = Total() == 0;
  for (double angle = 0; angle < 360; angle += 0.25) {
    const DWORD pixel = PixelAt(canvas_, angle, kDiscRadius + 8);
    const bool background = Channel(pixel, 0) > 0xE8 && Channel(pixel, 8) > 0xE8 && Channel(pixel, 16) > 0xE8;
    ASSERT_EQ(background, empty) << angle << " degrees";
  }
}

TEST_P(PieChart, DrawsTheDiscInTheMiddle) {
  EXPECT_EQ(canvas_.Pixel(kCx, kCy), kDisc);
  EXPECT_EQ(canvas_.Pixel(kCx + kDiscRadius - 3, kCy), kDisc);
  EXPECT_EQ(canvas_.Pixel(kCx, kCy - kDiscRadius + 3), kDisc);
}

// The first character's cell beside each label's origin holds ink of the sector's colour
// beyond the sector's own edge; an empty sector leaves no ink of its colour anywhere.
TEST_P(PieChart, LabelsEverySectorThatIsNotEmpty) {
  for (int i = 0; i < 3; ++i) {
    if (GetParam().values[i] == 0) {
      int ink = 0;
      for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 400; ++x) ink += InkOf(canvas_.Pixel(x, y), kColours[i]) ? 1 : 0;
      EXPECT_EQ(ink, 0) << "sector " << i;
      continue;
    }
    const POINT origin = GetParam().labels[i];
    int ink = 0;
    for (int y = kCy + origin.y; y < kCy + origin.y + 17; ++y) {
      for (int x = kCx + origin.x - 1; x < kCx + origin.x + 14; ++x) {
        if (Distance(x, y) > kRadii[i] + 2 && InkOf(canvas_.Pixel(x, y), kColours[i])) ++ink;
      }
    }
    EXPECT_GE(ink, 8) << "sector " << i;
  }
}

// The label origins follow the leader lines: out from the sector's middle, then along.
const PieCase kCases[] = {
    {{0, 30, 70}, {{0, 0}, {27, -92}, {47, 39}}},
    {{0, 0, 100}, {{0, 0}, {0, 0}, {70, -35}}},
    {{0, 0, 0}, {{0, 0}, {0, 0}, {0, 0}}},
    {{10, 20, 70}, {{-136, -58}, {45, -101}, {47, 39}}},
    {{1, 1, 1}, {{-102, -99}, {80, -40}, {-102, 42}}},
    // Sevenths of the circle are not whole degrees.
    {{1, 2, 4}, {{-132, -67}, {29, -103}, {27, 48}}},
};

INSTANTIATE_TEST_SUITE_P(Values, PieChart, ::testing::ValuesIn(kCases));

TEST(PieChartControl, TakesItsValuesFromTheSkin) {
  SkinUI::CPieChartUI chart;
  chart.SetAttribute(L"late", L"5");
  chart.SetAttribute(L"missed", L"15");
  chart.SetAttribute(L"passed", L"80");
  EXPECT_EQ(chart.GetLate(), 5);
  EXPECT_EQ(chart.GetMissed(), 15);
  EXPECT_EQ(chart.GetPassed(), 80);
}

}  // namespace
