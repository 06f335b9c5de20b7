#pragma once
// A drawing surface: draws lines, shapes, paths, texts and images onto a
// paint device (an image object, a Qt image, a widget inside its paint event)
// with pens and brushes, through a world transform and a clip.
//
// Coordinates follow the platform's imaging library: with antialiasing on and
// the default pixel offset mode, integer coordinates are pixel centres (a
// one-pixel line at y = 0 covers exactly row 0); with kPixelOffsetModeHalf or
// kPixelOffsetModeHighQuality, integer coordinates are pixel corners (a filled
// rectangle (0, 0, w, h) covers exactly w x h pixels). Without antialiasing
// both cover whole pixels the same way. Images and texts are always placed
// with integer coordinates at pixel corners. Clips are never antialiased: a
// pixel is inside when its centre is, so a clip to (0, 0, w, h) holds exactly
// w x h pixels.
//
// A device with a device pixel ratio r (a high-resolution image or widget) is
// drawn on in its logical pixels, each r x r device pixels: a one-pixel line
// without antialiasing covers exactly the r rows of its logical row, and
// clips and resampled pictures are made at the device's own resolution, so
// shapes stay exact and pictures sharp.
#include <QPainterPath>
#include <QRectF>
#include <QRegion>
#include <QTransform>
#include <memory>
#include <optional>

#include "imaging/constants.h"
#include "imaging/object.h"
#include "platform/text.h"

class QImage;
class QPaintDevice;
class QPainter;

namespace vexo {

class ImgBrush;
class ImgFont;
class ImgImage;
class ImgPath;
class ImgPen;
class ImgRegion;
class ImgStringFormat;

// What MeasureString reports.
struct ImgTextMeasure {
  QRectF box;            // the rectangle the drawn text would occupy
  int chars_fitted = 0;  // characters of the text that fit the layout rectangle
  int lines_filled = 0;  // lines that fit
};

class ImgGraphics : public ImgObject {
 public:
  ImgGraphics();
  ~ImgGraphics();
  ImgGraphics(ImgGraphics&&) noexcept;
  ImgGraphics& operator=(ImgGraphics&&) noexcept;

  // A surface drawing onto `device`, which must outlive the surface (or its
  // Delete). A widget can only be drawn on inside its paint event. A surface
  // already held is released first.
  bool CreateFromDevice(QPaintDevice* device);
  // A surface drawing onto the picture of `image`. A picture without
  // transparency stays opaque; an indexed one becomes 32-bit ARGB first.
  bool CreateFromImage(ImgImage& image);
  // Ends drawing and releases the surface. False, and nothing happens, when
  // empty.
  bool Delete();
  // Completes pending drawing (drawing is immediate; kept for callers).
  bool Flush();

  int GetCompositingMode() const;
  bool SetCompositingMode(int mode);
  int GetCompositingQuality() const;
  bool SetCompositingQuality(int quality);
  int GetInterpolationMode() const;
  bool SetInterpolationMode(int mode);
  int GetSmoothingMode() const;
  bool SetSmoothingMode(int mode);
  int GetPixelOffsetMode() const;
  bool SetPixelOffsetMode(int mode);
  int GetTextRenderingHint() const;
  bool SetTextRenderingHint(int hint);

  QTransform GetWorldTransform() const;
  bool SetWorldTransform(const QTransform& transform);
  bool ResetWorldTransform();
  bool TranslateWorldTransform(float dx, float dy, int order = kMatrixOrderPrepend);
  bool ScaleWorldTransform(float sx, float sy, int order = kMatrixOrderPrepend);
  // Rotation by `degrees` clockwise.
  bool RotateWorldTransform(float degrees, int order = kMatrixOrderPrepend);
  float GetDpiX() const;
  float GetDpiY() const;

  bool DrawLine(const ImgPen& pen, float x1, float y1, float x2, float y2);
  bool DrawRectangle(const ImgPen& pen, float x, float y, float width, float height);
  bool DrawEllipse(const ImgPen& pen, float x, float y, float width, float height);
  bool DrawArc(const ImgPen& pen, float x, float y, float width, float height, float start_angle,
               float sweep_angle);
  bool DrawPath(const ImgPen& pen, const ImgPath& path);
  // Sets every pixel inside the clip to `color` (replacing, not blending).
  bool Clear(Argb color);
  bool FillRectangle(const ImgBrush& brush, float x, float y, float width, float height);
  bool FillEllipse(const ImgBrush& brush, float x, float y, float width, float height);
  bool FillPath(const ImgBrush& brush, const ImgPath& path);
  bool FillRegion(const ImgBrush& brush, const ImgRegion& region);

  // Draws `text` (system code page) in the layout rectangle with `font` and
  // `brush`, laid out by `format` (the default format when null).
  bool DrawString(const Text& text, const ImgFont& font, float x, float y, float width,
                  float height, const ImgStringFormat* format, const ImgBrush& brush);
  // What DrawString would occupy, without drawing.
  bool MeasureString(const Text& text, const ImgFont& font, float x, float y, float width,
                     float height, const ImgStringFormat* format, ImgTextMeasure* out);

  // Draws the image at (x, y) in its own pixel size.
  bool DrawImage(const ImgImage& image, float x, float y);
  // Draws the whole image into the rectangle, scaled.
  bool DrawImageRect(const ImgImage& image, float x, float y, float width, float height);
  // Draws the source rectangle of the image (pixels) into the destination one.
  bool DrawImageRectRect(const ImgImage& image, const QRectF& destination, const QRectF& source);

  bool SetClipPath(const ImgPath& path, int combine_mode = kCombineModeReplace);
  bool SetClipRect(float x, float y, float width, float height,
                   int combine_mode = kCombineModeReplace);
  bool SetClipRegion(const ImgRegion& region, int combine_mode = kCombineModeReplace);
  // No clip: the whole device.
  bool ResetClip();
  // The clip's bounds in world coordinates.
  QRectF GetClipBounds() const;
  bool IsClipEmpty() const;

 private:
  bool CheckHeld() const;
  bool Begin(QPaintDevice* device);
  // The painter's transform for shapes (with the pixel offset) or for images
  // and texts (without).
  void UseShapeTransform(bool odd_stroke);
  void UseImageTransform();
  QTransform ShapeTransform(bool odd_stroke) const;
  // The device's size in its own pixels.
  QSize DevicePixels() const;
  bool PixelCentresAtIntegers() const;
  bool Fill(const ImgBrush& brush, const QPainterPath& area);
  bool Stroke(const ImgPen& pen, const QPainterPath& outline);
  bool ClipTo(const QPainterPath& area_in_world, int combine_mode);
  bool DrawPicture(const QImage& picture, const QRectF& destination, const QRectF& source);
  bool HighQualityScaling() const;

  std::unique_ptr<QPainter> painter_;
  std::shared_ptr<QImage> target_;  // kept alive while drawing onto an image object
  QPaintDevice* device_ = nullptr;
  qreal ratio_ = 1.0;  // the device's pixels per logical pixel
  QTransform world_;
  std::optional<QRegion> clip_;  // device pixels; none = no clip
  int compositing_mode_ = kCompositingModeSourceOver;
  int compositing_quality_ = kCompositingQualityDefault;
  int interpolation_mode_ = kInterpolationModeBilinear;
  int smoothing_mode_ = kSmoothingModeNone;
  int pixel_offset_mode_ = kPixelOffsetModeDefault;
  int text_rendering_hint_ = kTextRenderingHintSystemDefault;
};

}  // namespace vexo
