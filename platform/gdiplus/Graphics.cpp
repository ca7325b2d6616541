#include "platform/gdiplus/Graphics.h"

#include <pango/pangocairo.h>

#include <cwchar>

#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/FontObject.h"
#include "platform/gdi/GdiConstants.h"
#include "platform/gdi/TextContext.h"
#include "platform/gdi/Utf8Text.h"
#include "platform/gdiplus/Brush.h"
#include "platform/gdiplus/Font.h"
#include "platform/gdiplus/GraphicsPath.h"
#include "platform/gdiplus/Image.h"
#include "platform/gdiplus/Pen.h"
#include "platform/gdiplus/StringFormat.h"
#include "platform/gdiplus/StringLayout.h"

namespace Gdiplus {
namespace {

constexpr double kPi = 3.14159265358979323846;

// Strokes are drawn half a pixel down and right: GDI+ centres pixels on integer
// coordinates, cairo on half-integers.
class StrokeSpace {
 public:
  explicit StrokeSpace(cairo_t* cr) : cr_(cr) {
    cairo_save(cr_);
    cairo_translate(cr_, 0.5, 0.5);
  }
  ~StrokeSpace() { cairo_restore(cr_); }

 private:
  cairo_t* cr_;
};

void EllipsePath(cairo_t* cr, double x, double y, double width, double height) {
  cairo_new_path(cr);
  if (width <= 0 || height <= 0) return;
  cairo_save(cr);
  cairo_translate(cr, x + width / 2, y + height / 2);
  cairo_scale(cr, width / 2, height / 2);
  cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
  cairo_restore(cr);
  cairo_close_path(cr);
}

void PiePath(cairo_t* cr, double x, double y, double width, double height, double start, double sweep) {
  cairo_new_path(cr);
  if (width <= 0 || height <= 0) return;
  cairo_move_to(cr, x + width / 2, y + height / 2);
  AppendArc(cr, x, y, width, height, start, sweep);
  cairo_close_path(cr);
}

}  // namespace

Graphics::Graphics(HDC hdc) {
  dc_ = platform::gdi::DeviceContext::FromHandle(hdc);
  if (!dc_) {
    status_ = InvalidParameter;
    return;
  }
  cairo_surface_t* surface = dc_->BeginAccess();
  if (!surface) {
    dc_ = nullptr;
    status_ = InvalidParameter;
    return;
  }
  // A DC deleted while this object draws on it lives until the drawing ends.
  dc_->Retain();
  cr_ = cairo_create(surface);
  platform::gdi::PixRegion visible = dc_->Visible();
  POINT origin = dc_->Origin();
  cairo_translate(cr_, origin.x, origin.y);
  int count = 0;
  const pixman_box32_t* boxes = pixman_region32_rectangles(visible.Get(), &count);
  for (int i = 0; i < count; ++i)
    cairo_rectangle(cr_, boxes[i].x1, boxes[i].y1, boxes[i].x2 - boxes[i].x1, boxes[i].y2 - boxes[i].y1);
  cairo_clip(cr_);
  cairo_save(cr_);
}

Graphics::Graphics(Image* image) {
  if (!image || !image->Surface()) {
    status_ = InvalidParameter;
    return;
  }
  cr_ = cairo_create(image->Surface());
  cairo_save(cr_);
}

Graphics::~Graphics() {
  if (userClip_) cairo_path_destroy(userClip_);
  if (cr_) {
    cairo_surface_t* target = cairo_get_target(cr_);
    cairo_destroy(cr_);
    cairo_surface_flush(target);
    cairo_surface_mark_dirty(target);
  }
  if (dc_) {
    dc_->EndAccess(true);
    dc_->Release();
  }
}

Status Graphics::SetSmoothingMode(SmoothingMode mode) {
  smoothing_ = mode;
  return Ok;
}

Status Graphics::SetTextRenderingHint(TextRenderingHint hint) {
  textHint_ = hint;
  return Ok;
}

Status Graphics::SetInterpolationMode(InterpolationMode mode) {
  interpolation_ = mode;
  return Ok;
}

Status Graphics::Clear(const Color& color) {
  if (!Ready()) return WrongState;
  cairo_save(cr_);
  cairo_set_operator(cr_, CAIRO_OPERATOR_SOURCE);
  cairo_set_source_rgba(cr_, color.GetR() / 255.0, color.GetG() / 255.0, color.GetB() / 255.0, color.GetA() / 255.0);
  cairo_paint(cr_);
  cairo_restore(cr_);
  return Ok;
}

void Graphics::ApplyClip() {
  // Back to the clip the surface came with, then the user's.
  cairo_restore(cr_);
  cairo_save(cr_);
  if (!userClip_) return;
  cairo_new_path(cr_);
  cairo_append_path(cr_, userClip_);
  cairo_clip(cr_);
}

Status Graphics::SetClip(const RectF& rect, CombineMode mode) {
  GraphicsPath path;
  path.AddRectangle(rect);
  return SetClip(&path, mode);
}

Status Graphics::SetClip(const Rect& rect, CombineMode mode) {
  return SetClip(RectF(static_cast<REAL>(rect.X), static_cast<REAL>(rect.Y), static_cast<REAL>(rect.Width),
                       static_cast<REAL>(rect.Height)),
                 mode);
}

Status Graphics::SetClip(const GraphicsPath* path, CombineMode mode) {
  if (!Ready()) return WrongState;
  if (!path) return InvalidParameter;
  if (mode != CombineModeReplace && mode != CombineModeIntersect) return NotImplemented;
  if (mode == CombineModeReplace && userClip_) {
    cairo_path_destroy(userClip_);
    userClip_ = nullptr;
  }
  ApplyClip();
  path->Replay(cr_);
  cairo_path_t* added = cairo_copy_path(cr_);
  cairo_clip(cr_);
  if (userClip_) {
    // An intersection keeps both paths: they are clipped one after the other.
    cairo_new_path(cr_);
    cairo_append_path(cr_, userClip_);
    cairo_append_path(cr_, added);
    cairo_path_destroy(userClip_);
    cairo_path_destroy(added);
    userClip_ = nullptr;
    ApplyClip();
    return Ok;
  }
  userClip_ = added;
  return Ok;
}

Status Graphics::ResetClip() {
  if (!Ready()) return WrongState;
  if (userClip_) cairo_path_destroy(userClip_);
  userClip_ = nullptr;
  ApplyClip();
  return Ok;
}

Status Graphics::Fill(const Brush* brush) {
  if (!brush) {
    cairo_new_path(cr_);
    return InvalidParameter;
  }
  cairo_pattern_t* pattern = brush->NewPattern();
  cairo_set_source(cr_, pattern);
  cairo_fill(cr_);
  cairo_pattern_destroy(pattern);
  return Ok;
}

Status Graphics::Stroke(const Pen* pen) {
  if (!pen) {
    cairo_new_path(cr_);
    return InvalidParameter;
  }
  pen->Apply(cr_);
  cairo_stroke(cr_);
  return Ok;
}

Status Graphics::FillRectangle(const Brush* brush, REAL x, REAL y, REAL width, REAL height) {
  if (!Ready()) return WrongState;
  cairo_new_path(cr_);
  cairo_rectangle(cr_, x, y, width, height);
  return Fill(brush);
}

Status Graphics::FillRectangle(const Brush* brush, INT x, INT y, INT width, INT height) {
  return FillRectangle(brush, static_cast<REAL>(x), static_cast<REAL>(y), static_cast<REAL>(width),
                       static_cast<REAL>(height));
}

Status Graphics::FillRectangle(const Brush* brush, const RectF& rect) {
  return FillRectangle(brush, rect.X, rect.Y, rect.Width, rect.Height);
}

Status Graphics::FillRectangle(const Brush* brush, const Rect& rect) {
  return FillRectangle(brush, rect.X, rect.Y, rect.Width, rect.Height);
}

Status Graphics::FillEllipse(const Brush* brush, REAL x, REAL y, REAL width, REAL height) {
  if (!Ready()) return WrongState;
  EllipsePath(cr_, x, y, width, height);
  return Fill(brush);
}

Status Graphics::FillEllipse(const Brush* brush, INT x, INT y, INT width, INT height) {
  return FillEllipse(brush, static_cast<REAL>(x), static_cast<REAL>(y), static_cast<REAL>(width),
                     static_cast<REAL>(height));
}

Status Graphics::FillEllipse(const Brush* brush, const RectF& rect) {
  return FillEllipse(brush, rect.X, rect.Y, rect.Width, rect.Height);
}

Status Graphics::FillPie(const Brush* brush, REAL x, REAL y, REAL width, REAL height, REAL startAngle,
                         REAL sweepAngle) {
  if (!Ready()) return WrongState;
  PiePath(cr_, x, y, width, height, startAngle, sweepAngle);
  return Fill(brush);
}

Status Graphics::FillPie(const Brush* brush, INT x, INT y, INT width, INT height, REAL startAngle, REAL sweepAngle) {
  return FillPie(brush, static_cast<REAL>(x), static_cast<REAL>(y), static_cast<REAL>(width),
                 static_cast<REAL>(height), startAngle, sweepAngle);
}

Status Graphics::FillPath(const Brush* brush, const GraphicsPath* path) {
  if (!Ready()) return WrongState;
  if (!path) return InvalidParameter;
  path->Replay(cr_);
  return Fill(brush);
}

Status Graphics::DrawLine(const Pen* pen, REAL x1, REAL y1, REAL x2, REAL y2) {
  if (!Ready()) return WrongState;
  StrokeSpace space(cr_);
  cairo_new_path(cr_);
  cairo_move_to(cr_, x1, y1);
  cairo_line_to(cr_, x2, y2);
  return Stroke(pen);
}

Status Graphics::DrawLine(const Pen* pen, INT x1, INT y1, INT x2, INT y2) {
  return DrawLine(pen, static_cast<REAL>(x1), static_cast<REAL>(y1), static_cast<REAL>(x2), static_cast<REAL>(y2));
}

Status Graphics::DrawLines(const Pen* pen, const PointF* points, INT count) {
  if (!Ready()) return WrongState;
  if (!points || count < 2) return InvalidParameter;
  StrokeSpace space(cr_);
  cairo_new_path(cr_);
  cairo_move_to(cr_, points[0].X, points[0].Y);
  for (INT i = 1; i < count; ++i) cairo_line_to(cr_, points[i].X, points[i].Y);
  return Stroke(pen);
}

Status Graphics::DrawLines(const Pen* pen, const Point* points, INT count) {
  if (!points || count < 2) return InvalidParameter;
  std::vector<PointF> converted;
  for (INT i = 0; i < count; ++i)
    converted.emplace_back(static_cast<REAL>(points[i].X), static_cast<REAL>(points[i].Y));
  return DrawLines(pen, converted.data(), count);
}

Status Graphics::DrawRectangle(const Pen* pen, REAL x, REAL y, REAL width, REAL height) {
  if (!Ready()) return WrongState;
  if (!pen) return InvalidParameter;
  StrokeSpace space(cr_);
  cairo_new_path(cr_);
  if (pen->GetAlignment() == PenAlignmentInset) {
    // The pen lies inside the rectangle: its outer edge on the rectangle's edge.
    REAL inset = (pen->GetWidth() - 1) / 2;
    x += inset;
    y += inset;
    width -= 2 * inset;
    height -= 2 * inset;
  }
  cairo_rectangle(cr_, x, y, width, height);
  return Stroke(pen);
}

Status Graphics::DrawRectangle(const Pen* pen, INT x, INT y, INT width, INT height) {
  return DrawRectangle(pen, static_cast<REAL>(x), static_cast<REAL>(y), static_cast<REAL>(width),
                       static_cast<REAL>(height));
}

Status Graphics::DrawRectangle(const Pen* pen, const RectF& rect) {
  return DrawRectangle(pen, rect.X, rect.Y, rect.Width, rect.Height);
}

Status Graphics::DrawRectangle(const Pen* pen, const Rect& rect) {
  return DrawRectangle(pen, rect.X, rect.Y, rect.Width, rect.Height);
}

Status Graphics::DrawEllipse(const Pen* pen, REAL x, REAL y, REAL width, REAL height) {
  if (!Ready()) return WrongState;
  StrokeSpace space(cr_);
  EllipsePath(cr_, x, y, width, height);
  return Stroke(pen);
}

Status Graphics::DrawEllipse(const Pen* pen, INT x, INT y, INT width, INT height) {
  return DrawEllipse(pen, static_cast<REAL>(x), static_cast<REAL>(y), static_cast<REAL>(width),
                     static_cast<REAL>(height));
}

Status Graphics::DrawArc(const Pen* pen, REAL x, REAL y, REAL width, REAL height, REAL startAngle, REAL sweepAngle) {
  if (!Ready()) return WrongState;
  StrokeSpace space(cr_);
  cairo_new_path(cr_);
  AppendArc(cr_, x, y, width, height, startAngle, sweepAngle);
  return Stroke(pen);
}

Status Graphics::DrawPie(const Pen* pen, REAL x, REAL y, REAL width, REAL height, REAL startAngle, REAL sweepAngle) {
  if (!Ready()) return WrongState;
  StrokeSpace space(cr_);
  PiePath(cr_, x, y, width, height, startAngle, sweepAngle);
  return Stroke(pen);
}

Status Graphics::DrawPath(const Pen* pen, const GraphicsPath* path) {
  if (!Ready()) return WrongState;
  if (!path) return InvalidParameter;
  StrokeSpace space(cr_);
  path->Replay(cr_);
  return Stroke(pen);
}

Status Graphics::DrawImage(Image* image, REAL x, REAL y) {
  if (!image) return InvalidParameter;
  return DrawImage(image, x, y, static_cast<REAL>(image->GetWidth()), static_cast<REAL>(image->GetHeight()));
}

Status Graphics::DrawImage(Image* image, INT x, INT y) {
  return DrawImage(image, static_cast<REAL>(x), static_cast<REAL>(y));
}

Status Graphics::DrawImage(Image* image, REAL x, REAL y, REAL width, REAL height) {
  if (!image) return InvalidParameter;
  return DrawImage(image, RectF(x, y, width, height), 0, 0, static_cast<REAL>(image->GetWidth()),
                   static_cast<REAL>(image->GetHeight()), UnitPixel);
}

Status Graphics::DrawImage(Image* image, INT x, INT y, INT width, INT height) {
  return DrawImage(image, static_cast<REAL>(x), static_cast<REAL>(y), static_cast<REAL>(width),
                   static_cast<REAL>(height));
}

Status Graphics::DrawImage(Image* image, const RectF& rect) {
  return DrawImage(image, rect.X, rect.Y, rect.Width, rect.Height);
}

Status Graphics::DrawImage(Image* image, const Rect& rect) {
  return DrawImage(image, rect.X, rect.Y, rect.Width, rect.Height);
}

Status Graphics::DrawImage(Image* image, const Rect& destRect, INT srcx, INT srcy, INT srcwidth, INT srcheight,
                           Unit srcUnit, const ImageAttributes* attributes) {
  return DrawImage(image,
                   RectF(static_cast<REAL>(destRect.X), static_cast<REAL>(destRect.Y),
                         static_cast<REAL>(destRect.Width), static_cast<REAL>(destRect.Height)),
                   static_cast<REAL>(srcx), static_cast<REAL>(srcy), static_cast<REAL>(srcwidth),
                   static_cast<REAL>(srcheight), srcUnit, attributes);
}

Status Graphics::DrawImage(Image* image, const RectF& destRect, REAL srcx, REAL srcy, REAL srcwidth,
                           REAL srcheight, Unit, const ImageAttributes*) {
  if (!Ready()) return WrongState;
  if (!image || !image->Surface()) return InvalidParameter;
  if (destRect.Width == 0 || destRect.Height == 0 || srcwidth <= 0 || srcheight <= 0) return Ok;
  cairo_surface_t* part = cairo_surface_create_for_rectangle(image->Surface(), srcx, srcy, srcwidth, srcheight);
  cairo_pattern_t* pattern = cairo_pattern_create_for_surface(part);
  cairo_surface_destroy(part);
  cairo_pattern_set_extend(pattern, CAIRO_EXTEND_PAD);
  cairo_pattern_set_filter(pattern, interpolation_ == InterpolationModeNearestNeighbor ? CAIRO_FILTER_NEAREST
                                                                                        : CAIRO_FILTER_GOOD);
  cairo_matrix_t matrix;
  cairo_matrix_init_scale(&matrix, srcwidth / destRect.Width, srcheight / destRect.Height);
  cairo_matrix_translate(&matrix, -destRect.X, -destRect.Y);
  cairo_pattern_set_matrix(pattern, &matrix);
  cairo_save(cr_);
  cairo_new_path(cr_);
  cairo_rectangle(cr_, destRect.X, destRect.Y, destRect.Width, destRect.Height);
  cairo_set_source(cr_, pattern);
  cairo_fill(cr_);
  cairo_restore(cr_);
  cairo_pattern_destroy(pattern);
  return Ok;
}

Status Graphics::DrawString(const WCHAR* string, INT length, const Font* font, const RectF& layoutRect,
                            const StringFormat* format, const Brush* brush) {
  if (!Ready()) return WrongState;
  if (!string || !font || !brush || !font->Object()) return InvalidParameter;
  platform::gdi::FontObject& object = *font->Object();
  StringLayout layout(object, string, length, layoutRect, format);
  INT flags = format ? format->GetFormatFlags() : 0;
  cairo_save(cr_);
  if (!(flags & StringFormatFlagsNoClip) && layoutRect.Width > 0 && layoutRect.Height > 0) {
    cairo_new_path(cr_);
    cairo_rectangle(cr_, layoutRect.X, layoutRect.Y, layoutRect.Width, layoutRect.Height);
    cairo_clip(cr_);
  }
  cairo_pattern_t* pattern = brush->NewPattern();
  cairo_set_source(cr_, pattern);
  int ascent = object.Metrics().tmAscent;
  for (const PlacedLine& line : layout.Lines()) {
    if (line.text.empty()) continue;
    platform::gdi::Utf8Text utf8(line.text.data(), line.text.size());
    PangoLayout* pango = platform::gdi::TextContext::NewLayout(utf8.Bytes(), object.Description(), object.Underline(),
                                                               object.StrikeOut());
    double baseline = pango_layout_get_baseline(pango) / static_cast<double>(PANGO_SCALE);
    cairo_move_to(cr_, line.x, line.top + ascent - baseline);
    pango_cairo_show_layout(cr_, pango);
    g_object_unref(pango);
  }
  cairo_pattern_destroy(pattern);
  cairo_restore(cr_);
  return Ok;
}

Status Graphics::DrawString(const WCHAR* string, INT length, const Font* font, const PointF& origin,
                            const Brush* brush) {
  return DrawString(string, length, font, RectF(origin.X, origin.Y, 0, 0), nullptr, brush);
}

Status Graphics::DrawString(const WCHAR* string, INT length, const Font* font, const PointF& origin,
                            const StringFormat* format, const Brush* brush) {
  return DrawString(string, length, font, RectF(origin.X, origin.Y, 0, 0), format, brush);
}

Status Graphics::MeasureString(const WCHAR* string, INT length, const Font* font, const RectF& layoutRect,
                               const StringFormat* format, RectF* boundingBox, INT* codepointsFitted,
                               INT* linesFilled) const {
  if (!string || !font || !boundingBox || !font->Object()) return InvalidParameter;
  StringLayout layout(*font->Object(), string, length, layoutRect, format);
  *boundingBox = layout.Bounds();
  if (linesFilled) *linesFilled = static_cast<INT>(layout.Lines().size());
  if (codepointsFitted) {
    INT count = 0;
    for (const PlacedLine& line : layout.Lines()) count += static_cast<INT>(line.text.size());
    *codepointsFitted = count;
  }
  return Ok;
}

Status Graphics::MeasureString(const WCHAR* string, INT length, const Font* font, const RectF& layoutRect,
                               RectF* boundingBox) const {
  return MeasureString(string, length, font, layoutRect, nullptr, boundingBox);
}

Status Graphics::MeasureString(const WCHAR* string, INT length, const Font* font, const PointF& origin,
                               const StringFormat* format, RectF* boundingBox) const {
  return MeasureString(string, length, font, RectF(origin.X, origin.Y, 0, 0), format, boundingBox);
}

Status Graphics::MeasureString(const WCHAR* string, INT length, const Font* font, const PointF& origin,
                               RectF* boundingBox) const {
  return MeasureString(string, length, font, RectF(origin.X, origin.Y, 0, 0), nullptr, boundingBox);
}

}  // namespace Gdiplus
