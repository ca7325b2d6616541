#pragma once
// A drawing surface: a device context (at its origin, inside its clip) or a picture.
// Shapes and text are anti-aliased; strokes are offset by half a pixel so that
// integer coordinates give crisp one-pixel lines, as GDI+ centres pixels on them.
#include <cairo.h>

#include "platform/base/WinTypes.h"
#include "platform/gdiplus/Color.h"
#include "platform/gdiplus/GdiPlusGeometry.h"

namespace platform::gdi {
class DeviceContext;
}

namespace Gdiplus {

class Brush;
class Font;
class GraphicsPath;
class Image;
class ImageAttributes;
class Pen;
class StringFormat;

class Graphics {
 public:
  explicit Graphics(HDC hdc);
  explicit Graphics(Image* image);
  ~Graphics();
  Graphics(const Graphics&) = delete;
  Graphics& operator=(const Graphics&) = delete;

  static Graphics* FromHDC(HDC hdc) { return new Graphics(hdc); }
  static Graphics* FromImage(Image* image) { return new Graphics(image); }
  Status GetLastStatus() const { return status_; }

  Status SetSmoothingMode(SmoothingMode mode);
  SmoothingMode GetSmoothingMode() const { return smoothing_; }
  Status SetTextRenderingHint(TextRenderingHint hint);
  TextRenderingHint GetTextRenderingHint() const { return textHint_; }
  Status SetInterpolationMode(InterpolationMode mode);
  InterpolationMode GetInterpolationMode() const { return interpolation_; }

  Status Clear(const Color& color);
  Status SetClip(const RectF& rect, CombineMode mode = CombineModeReplace);
  Status SetClip(const Rect& rect, CombineMode mode = CombineModeReplace);
  Status SetClip(const GraphicsPath* path, CombineMode mode = CombineModeReplace);
  Status ResetClip();

  Status FillRectangle(const Brush* brush, REAL x, REAL y, REAL width, REAL height);
  Status FillRectangle(const Brush* brush, INT x, INT y, INT width, INT height);
  Status FillRectangle(const Brush* brush, const RectF& rect);
  Status FillRectangle(const Brush* brush, const Rect& rect);
  Status FillEllipse(const Brush* brush, REAL x, REAL y, REAL width, REAL height);
  Status FillEllipse(const Brush* brush, INT x, INT y, INT width, INT height);
  Status FillEllipse(const Brush* brush, const RectF& rect);
  Status FillPie(const Brush* brush, REAL x, REAL y, REAL width, REAL height, REAL startAngle, REAL sweepAngle);
  Status FillPie(const Brush* brush, INT x, INT y, INT width, INT height, REAL startAngle, REAL sweepAngle);
  Status FillPath(const Brush* brush, const GraphicsPath* path);

  Status DrawLine(const Pen* pen, REAL x1, REAL y1, REAL x2, REAL y2);
  Status DrawLine(const Pen* pen, INT x1, INT y1, INT x2, INT y2);
  Status DrawLines(const Pen* pen, const PointF* points, INT count);
  Status DrawLines(const Pen* pen, const Point* points, INT count);
  Status DrawRectangle(const Pen* pen, REAL x, REAL y, REAL width, REAL height);
  Status DrawRectangle(const Pen* pen, INT x, INT y, INT width, INT height);
  Status DrawRectangle(const Pen* pen, const RectF& rect);
  Status DrawRectangle(const Pen* pen, const Rect& rect);
  Status DrawEllipse(const Pen* pen, REAL x, REAL y, REAL width, REAL height);
  Status DrawEllipse(const Pen* pen, INT x, INT y, INT width, INT height);
  Status DrawArc(const Pen* pen, REAL x, REAL y, REAL width, REAL height, REAL startAngle, REAL sweepAngle);
  Status DrawPie(const Pen* pen, REAL x, REAL y, REAL width, REAL height, REAL startAngle, REAL sweepAngle);
  Status DrawPath(const Pen* pen, const GraphicsPath* path);

  Status DrawImage(Image* image, REAL x, REAL y);
  Status DrawImage(Image* image, INT x, INT y);
  Status DrawImage(Image* image, REAL x, REAL y, REAL width, REAL height);
  Status DrawImage(Image* image, INT x, INT y, INT width, INT height);
  Status DrawImage(Image* image, const RectF& rect);
  Status DrawImage(Image* image, const Rect& rect);
  // The source rectangle (in pixels) of the picture stretched onto the destination.
  Status DrawImage(Image* image, const Rect& destRect, INT srcx, INT srcy, INT srcwidth, INT srcheight, Unit srcUnit,
                   const ImageAttributes* attributes = nullptr);
  Status DrawImage(Image* image, const RectF& destRect, REAL srcx, REAL srcy, REAL srcwidth, REAL srcheight,
                   Unit srcUnit, const ImageAttributes* attributes = nullptr);

  Status DrawString(const WCHAR* string, INT length, const Font* font, const RectF& layoutRect,
                    const StringFormat* format, const Brush* brush);
  Status DrawString(const WCHAR* string, INT length, const Font* font, const PointF& origin, const Brush* brush);
  Status DrawString(const WCHAR* string, INT length, const Font* font, const PointF& origin,
                    const StringFormat* format, const Brush* brush);
  Status MeasureString(const WCHAR* string, INT length, const Font* font, const RectF& layoutRect,
                       const StringFormat* format, RectF* boundingBox, INT* codepointsFitted = nullptr,
                       INT* linesFilled = nullptr) const;
  Status MeasureString(const WCHAR* string, INT length, const Font* font, const RectF& layoutRect,
                       RectF* boundingBox) const;
  Status MeasureString(const WCHAR* string, INT length, const Font* font, const PointF& origin,
                       const StringFormat* format, RectF* boundingBox) const;
  Status MeasureString(const WCHAR* string, INT length, const Font* font, const PointF& origin,
                       RectF* boundingBox) const;

 private:
  bool Ready() const { return cr_ != nullptr; }
  Status Fill(const Brush* brush);
  Status Stroke(const Pen* pen);
  void ApplyClip();

  platform::gdi::DeviceContext* dc_ = nullptr;
  cairo_t* cr_ = nullptr;
  cairo_path_t* userClip_ = nullptr;  // the SetClip path, in world coordinates
  SmoothingMode smoothing_ = SmoothingModeNone;
  TextRenderingHint textHint_ = TextRenderingHintSystemDefault;
  InterpolationMode interpolation_ = InterpolationModeBilinear;
  Status status_ = Ok;
};

}  // namespace Gdiplus
