#pragma once
// The scene of a main frame's full repaint, 1920 x 1080: background fills, skin pictures
// drawn as nine-grids, and 200 lines of mixed Chinese and Latin text; drawn through the
// drawing layer into a DC, or with cairo and pango directly. Texts come in sets: a
// frame draws one set's lines.
#include <cairo.h>
#include <pango/pangocairo.h>

#include <string>
#include <vector>

#include "platform/gdi/Gdi.h"

class RepaintScene {
 public:
  static constexpr int kWidth = 1920;
  static constexpr int kHeight = 1080;

  explicit RepaintScene(int textSets = 1);
  ~RepaintScene();
  RepaintScene(const RepaintScene&) = delete;
  RepaintScene& operator=(const RepaintScene&) = delete;

  int TextSets() const { return static_cast<int>(wideLines_.size()); }
  // As the window manager paints: GDI fills, AlphaBlend nine-grids and DrawTextW.
  void DrawGdi(HDC dc, int set);
  // The same with cairo and pango, on a context of a kWidth x kHeight surface.
  void DrawCairo(cairo_t* cr, int set);

  // A 32-bit top-down DIB section.
  static HBITMAP MakeDib(HDC dc, int width, int height, void** bits);

 private:
  std::vector<std::vector<std::wstring>> wideLines_;
  std::vector<std::vector<std::string>> utf8Lines_;
  HDC skinDc_ = nullptr;
  HBITMAP skin_ = nullptr;
  HGDIOBJ oldSkin_ = nullptr;
  HFONT font_ = nullptr;
  HBRUSH background_ = nullptr;
  HBRUSH band_ = nullptr;
  cairo_surface_t* cairoSkin_ = nullptr;
  PangoFontDescription* pangoFont_ = nullptr;
  PangoLayout* layout_ = nullptr;
  cairo_t* layoutOwner_ = nullptr;  // the context the pango layout was made for
};
