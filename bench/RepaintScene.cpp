#include "bench/RepaintScene.h"

#include <cstdint>

namespace {

constexpr int kSkin = 48;     // the skin picture's size
constexpr int kCorner = 8;    // its nine-grid corner
constexpr int kButtons = 40;  // nine-grid pictures per frame
constexpr int kLines = 200;

struct Piece {
  int dx, dy, dw, dh, sx, sy, sw, sh;
};

// The nine pieces of a picture of kSkin x kSkin drawn over (x, y, w, h).
std::vector<Piece> NineGrid(int x, int y, int w, int h) {
  const int k = kCorner, s = kSkin, m = kSkin - 2 * kCorner;
  return {
      {x, y, k, k, 0, 0, k, k},
      {x + k, y, w - 2 * k, k, k, 0, m, k},
      {x + w - k, y, k, k, s - k, 0, k, k},
      {x, y + k, k, h - 2 * k, 0, k, k, m},
      {x + k, y + k, w - 2 * k, h - 2 * k, k, k, m, m},
      {x + w - k, y + k, k, h - 2 * k, s - k, k, k, m},
      {x, y + h - k, k, k, 0, s - k, k, k},
      {x + k, y + h - k, w - 2 * k, k, k, s - k, m, k},
      {x + w - k, y + h - k, k, k, s - k, s - k, k, k},
  };
}

std::wstring LineText(int i, int set) {
  static const wchar_t* kSamples[] = {L"巡更计划 Patrol plan 第", L"设备记录 Device records 编号",
                                      L"合格率 Pass rate 2024-05-", L"漏检 Missed checkpoint 东门岗亭 "};
  return kSamples[i % 4] + std::to_wstring(i + set * kLines);
}

std::string Utf8(const std::wstring& wide) {
  std::string utf8;
  for (wchar_t c : wide) {
    if (c < 0x80) {
      utf8 += static_cast<char>(c);
    } else if (c < 0x800) {
      utf8 += static_cast<char>(0xC0 | (c >> 6));
      utf8 += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      utf8 += static_cast<char>(0xE0 | (c >> 12));
      utf8 += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      utf8 += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return utf8;
}

void FillSkin(uint32_t* pixels) {
  for (int y = 0; y < kSkin; ++y)
    for (int x = 0; x < kSkin; ++x) {
      bool edge = x < 2 || y < 2 || x >= kSkin - 2 || y >= kSkin - 2;
      pixels[y * kSkin + x] = edge ? 0x80404040u : 0xFF3C8CDCu;
    }
}

RECT LineCell(int i) {
  return RECT{20 + (i / 50) * 470, 300 + (i % 50) * 15, 20 + (i / 50) * 470 + 460, 300 + (i % 50) * 15 + 15};
}

}  // namespace

HBITMAP RepaintScene::MakeDib(HDC dc, int width, int height, void** bits) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  return CreateDIBSection(dc, &info, DIB_RGB_COLORS, bits, nullptr, 0);
}

RepaintScene::RepaintScene(int textSets) : wideLines_(textSets), utf8Lines_(textSets) {
  for (int set = 0; set < textSets; ++set) {
    for (int i = 0; i < kLines; ++i) {
      wideLines_[set].push_back(LineText(i, set));
      utf8Lines_[set].push_back(Utf8(wideLines_[set].back()));
    }
  }
  skinDc_ = CreateCompatibleDC(nullptr);
  void* skinBits = nullptr;
  skin_ = MakeDib(skinDc_, kSkin, kSkin, &skinBits);
  FillSkin(static_cast<uint32_t*>(skinBits));
  oldSkin_ = SelectObject(skinDc_, skin_);
  font_ = CreateFontW(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"微软雅黑");
  background_ = CreateSolidBrush(RGB(240, 244, 248));
  band_ = CreateSolidBrush(RGB(1, 21, 76));

  cairoSkin_ = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, kSkin, kSkin);
  cairo_surface_flush(cairoSkin_);
  FillSkin(reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(cairoSkin_)));
  cairo_surface_mark_dirty(cairoSkin_);
  pangoFont_ = pango_font_description_from_string("WenQuanYi Micro Hei");
  pango_font_description_set_absolute_size(pangoFont_, 12 * PANGO_SCALE);
}

RepaintScene::~RepaintScene() {
  if (layout_) g_object_unref(layout_);
  pango_font_description_free(pangoFont_);
  cairo_surface_destroy(cairoSkin_);
  SelectObject(skinDc_, oldSkin_);
  DeleteObject(skin_);
  DeleteObject(font_);
  DeleteObject(background_);
  DeleteObject(band_);
  DeleteDC(skinDc_);
}

void RepaintScene::DrawGdi(HDC dc, int set) {
  const std::vector<std::wstring>& lines = wideLines_[set % wideLines_.size()];
  const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  int saved = SaveDC(dc);
  RECT all{0, 0, kWidth, kHeight};
  FillRect(dc, &all, background_);
  RECT title{0, 0, kWidth, 60};
  FillRect(dc, &title, band_);
  for (int b = 0; b < kButtons; ++b) {
    int x = 20 + (b % 10) * 180, y = 80 + (b / 10) * 50;
    for (const Piece& p : NineGrid(x, y, 160, 40))
      AlphaBlend(dc, p.dx, p.dy, p.dw, p.dh, skinDc_, p.sx, p.sy, p.sw, p.sh, blend);
  }
  HGDIOBJ oldFont = SelectObject(dc, font_);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(32, 32, 32));
  for (int i = 0; i < kLines; ++i) {
    RECT cell = LineCell(i);
    DrawTextW(dc, lines[i].c_str(), -1, &cell, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
  }
  SelectObject(dc, oldFont);
  RestoreDC(dc, saved);
}

void RepaintScene::DrawCairo(cairo_t* cr, int set) {
  const std::vector<std::string>& lines = utf8Lines_[set % utf8Lines_.size()];
  if (layoutOwner_ != cr) {
    if (layout_) g_object_unref(layout_);
    layout_ = pango_cairo_create_layout(cr);
    pango_layout_set_font_description(layout_, pangoFont_);
    layoutOwner_ = cr;
  }
  cairo_save(cr);
  cairo_set_source_rgb(cr, 240 / 255.0, 244 / 255.0, 248 / 255.0);
  cairo_paint(cr);
  cairo_set_source_rgb(cr, 1 / 255.0, 21 / 255.0, 76 / 255.0);
  cairo_rectangle(cr, 0, 0, kWidth, 60);
  cairo_fill(cr);
  for (int b = 0; b < kButtons; ++b) {
    int x = 20 + (b % 10) * 180, y = 80 + (b / 10) * 50;
    for (const Piece& p : NineGrid(x, y, 160, 40)) {
      cairo_save(cr);
      cairo_rectangle(cr, p.dx, p.dy, p.dw, p.dh);
      cairo_clip(cr);
      cairo_translate(cr, p.dx, p.dy);
      cairo_scale(cr, static_cast<double>(p.dw) / p.sw, static_cast<double>(p.dh) / p.sh);
      cairo_set_source_surface(cr, cairoSkin_, -p.sx, -p.sy);
      cairo_paint(cr);
      cairo_restore(cr);
    }
  }
  cairo_set_source_rgb(cr, 32 / 255.0, 32 / 255.0, 32 / 255.0);
  for (int i = 0; i < kLines; ++i) {
    pango_layout_set_text(layout_, lines[i].data(), static_cast<int>(lines[i].size()));
    cairo_move_to(cr, LineCell(i).left, LineCell(i).top);
    pango_cairo_show_layout(cr, layout_);
  }
  cairo_restore(cr);
}
