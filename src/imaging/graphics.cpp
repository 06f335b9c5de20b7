#include "imaging/graphics.h"

#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QtMath>
#include <cmath>
#include <utility>

#include "imaging/brush.h"
#include "imaging/clip_region.h"
#include "imaging/font.h"
#include "imaging/image.h"
#include "imaging/path.h"
#include "imaging/pen.h"
#include "imaging/qt_convert.h"
#include "imaging/region.h"
#include "imaging/status.h"
#include "imaging/string_format.h"
#include "imaging/text_layout.h"

namespace vexo {
namespace {

// Half a pixel: where a pixel's centre lies from its corner.
constexpr double kHalfPixel = 0.5;

QPainterPath RectPath(float x, float y, float width, float height) {
  QPainterPath path;
  path.addRect(QRectF(x, y, width, height));
  return path;
}

QPainterPath EllipsePath(float x, float y, float width, float height) {
  QPainterPath path;
  path.addEllipse(QRectF(x, y, width, height));
  return path;
}

TextLayoutOptions OptionsOf(const ImgStringFormat* format) {
  TextLayoutOptions options;
  if (format != nullptr && !format->IsEmpty()) {
    options.flags = format->GetFlags();
    options.align = format->GetAlign();
    options.line_align = format->GetLineAlign();
    options.trimming = format->GetTrimming();
  }
  return options;
}

}  // namespace

ImgGraphics::ImgGraphics() = default;
ImgGraphics::~ImgGraphics() {
  Delete();
}
ImgGraphics::ImgGraphics(ImgGraphics&&) noexcept = default;
ImgGraphics& ImgGraphics::operator=(ImgGraphics&& other) noexcept {
  if (this != &other) {
    Delete();
    painter_ = std::move(other.painter_);
    target_ = std::move(other.target_);
    device_ = std::exchange(other.device_, nullptr);
    ratio_ = other.ratio_;
    world_ = other.world_;
    clip_ = std::move(other.clip_);
    compositing_mode_ = other.compositing_mode_;
    compositing_quality_ = other.compositing_quality_;
    interpolation_mode_ = other.interpolation_mode_;
    smoothing_mode_ = other.smoothing_mode_;
    pixel_offset_mode_ = other.pixel_offset_mode_;
    text_rendering_hint_ = other.text_rendering_hint_;
    // The handle last, so nothing is read from `other` after it moved.
    static_cast<ImgObject&>(*this) = std::move(static_cast<ImgObject&>(other));
  }
  return *this;
}

bool ImgGraphics::CheckHeld() const {
  return !IsEmpty() || ImgRecord(kStatusInvalidParameter);
}

bool ImgGraphics::Begin(QPaintDevice* device) {
  auto painter = std::make_unique<QPainter>();
  if (device == nullptr || !painter->begin(device)) return ImgRecord(kStatusInvalidParameter);
  painter_ = std::move(painter);
  device_ = device;
  ratio_ = device->devicePixelRatio() > 0 ? device->devicePixelRatio() : 1.0;
  world_ = QTransform();
  clip_.reset();
  compositing_mode_ = kCompositingModeSourceOver;
  compositing_quality_ = kCompositingQualityDefault;
  interpolation_mode_ = kInterpolationModeBilinear;
  smoothing_mode_ = kSmoothingModeNone;
  pixel_offset_mode_ = kPixelOffsetModeDefault;
  text_rendering_hint_ = kTextRenderingHintSystemDefault;
  painter_->setRenderHint(QPainter::Antialiasing, false);
  painter_->setRenderHint(QPainter::SmoothPixmapTransform, true);
  painter_->setRenderHint(QPainter::TextAntialiasing, true);
  TakeNewHandle();
  return ImgRecord(kStatusOk);
}

bool ImgGraphics::CreateFromDevice(QPaintDevice* device) {
  Delete();
  return Begin(device);
}

bool ImgGraphics::CreateFromImage(ImgImage& image) {
  Delete();
  if (image.IsEmpty() || !image.image_) return ImgRecord(kStatusInvalidParameter);
  QImage& picture = *image.image_;
  if (picture.format() == QImage::Format_Indexed8 || picture.format() == QImage::Format_Mono ||
      picture.format() == QImage::Format_MonoLSB) {
    picture.convertTo(QImage::Format_ARGB32_Premultiplied);
  }
  target_ = image.image_;
  if (Begin(target_.get())) return true;
  target_.reset();
  return false;
}

bool ImgGraphics::Delete() {
  if (IsEmpty()) return false;
  if (painter_ && painter_->isActive()) painter_->end();
  painter_.reset();
  target_.reset();
  device_ = nullptr;
  clip_.reset();
  ClearHandle();
  return ImgRecord(kStatusOk);
}

bool ImgGraphics::Flush() {
  if (!CheckHeld()) return false;
  return ImgRecord(kStatusOk);
}

int ImgGraphics::GetCompositingMode() const {
  if (!CheckHeld()) return 0;
  ImgRecord(kStatusOk);
  return compositing_mode_;
}

bool ImgGraphics::SetCompositingMode(int mode) {
  if (!CheckHeld()) return false;
  if (mode != kCompositingModeSourceOver && mode != kCompositingModeSourceCopy) {
    return ImgRecord(kStatusInvalidParameter);
  }
  compositing_mode_ = mode;
  painter_->setCompositionMode(mode == kCompositingModeSourceCopy
                                   ? QPainter::CompositionMode_Source
                                   : QPainter::CompositionMode_SourceOver);
  return ImgRecord(kStatusOk);
}

int ImgGraphics::GetCompositingQuality() const {
  if (!CheckHeld()) return 0;
  ImgRecord(kStatusOk);
  return compositing_quality_;
}

bool ImgGraphics::SetCompositingQuality(int quality) {
  if (!CheckHeld()) return false;
  if (quality < kCompositingQualityDefault || quality > kCompositingQualityAssumeLinear) {
    return ImgRecord(kStatusInvalidParameter);
  }
  // Qt blends in one way only; the setting is kept for those who read it.
  compositing_quality_ = quality;
  return ImgRecord(kStatusOk);
}

int ImgGraphics::GetInterpolationMode() const {
  if (!CheckHeld()) return 0;
  ImgRecord(kStatusOk);
  return interpolation_mode_;
}

bool ImgGraphics::SetInterpolationMode(int mode) {
  if (!CheckHeld()) return false;
  if (mode < kInterpolationModeDefault || mode > kInterpolationModeHighQualityBicubic) {
    return ImgRecord(kStatusInvalidParameter);
  }
  // Default and low quality are bilinear, as on the platform.
  interpolation_mode_ = mode == kInterpolationModeDefault || mode == kInterpolationModeLowQuality
                            ? kInterpolationModeBilinear
                            : mode;
  painter_->setRenderHint(QPainter::SmoothPixmapTransform,
                          mode != kInterpolationModeNearestNeighbor);
  return ImgRecord(kStatusOk);
}

int ImgGraphics::GetSmoothingMode() const {
  if (!CheckHeld()) return 0;
  ImgRecord(kStatusOk);
  return smoothing_mode_;
}

bool ImgGraphics::SetSmoothingMode(int mode) {
  if (!CheckHeld()) return false;
  if (mode < kSmoothingModeDefault || mode > kSmoothingModeAntiAlias8x8) {
    return ImgRecord(kStatusInvalidParameter);
  }
  const bool antialias = mode == kSmoothingModeHighQuality || mode == kSmoothingModeAntiAlias ||
                         mode == kSmoothingModeAntiAlias8x8;
  // Default and high speed draw without antialiasing, as "none" does.
  smoothing_mode_ = antialias ? (mode == kSmoothingModeHighQuality ? kSmoothingModeAntiAlias : mode)
                              : kSmoothingModeNone;
  painter_->setRenderHint(QPainter::Antialiasing, antialias);
  return ImgRecord(kStatusOk);
}

int ImgGraphics::GetPixelOffsetMode() const {
  if (!CheckHeld()) return 0;
  ImgRecord(kStatusOk);
  return pixel_offset_mode_;
}

bool ImgGraphics::SetPixelOffsetMode(int mode) {
  if (!CheckHeld()) return false;
  if (mode < kPixelOffsetModeDefault || mode > kPixelOffsetModeHalf) {
    return ImgRecord(kStatusInvalidParameter);
  }
  pixel_offset_mode_ = mode;
  return ImgRecord(kStatusOk);
}

int ImgGraphics::GetTextRenderingHint() const {
  if (!CheckHeld()) return 0;
  ImgRecord(kStatusOk);
  return text_rendering_hint_;
}

bool ImgGraphics::SetTextRenderingHint(int hint) {
  if (!CheckHeld()) return false;
  if (hint < kTextRenderingHintSystemDefault || hint > kTextRenderingHintClearTypeGridFit) {
    return ImgRecord(kStatusInvalidParameter);
  }
  text_rendering_hint_ = hint;
  painter_->setRenderHint(QPainter::TextAntialiasing,
                          hint != kTextRenderingHintSingleBitPerPixel &&
                              hint != kTextRenderingHintSingleBitPerPixelGridFit);
  return ImgRecord(kStatusOk);
}

QTransform ImgGraphics::GetWorldTransform() const {
  if (!CheckHeld()) return {};
  ImgRecord(kStatusOk);
  return world_;
}

bool ImgGraphics::SetWorldTransform(const QTransform& transform) {
  if (!CheckHeld()) return false;
  if (!transform.isInvertible()) return ImgRecord(kStatusInvalidParameter);
  world_ = transform;
  UseImageTransform();
  return ImgRecord(kStatusOk);
}

bool ImgGraphics::ResetWorldTransform() {
  if (!CheckHeld()) return false;
  return SetWorldTransform(QTransform());
}

bool ImgGraphics::TranslateWorldTransform(float dx, float dy, int order) {
  if (!CheckHeld()) return false;
  const QTransform step = QTransform::fromTranslate(dx, dy);
  return SetWorldTransform(order == kMatrixOrderAppend ? world_ * step : step * world_);
}

bool ImgGraphics::ScaleWorldTransform(float sx, float sy, int order) {
  if (!CheckHeld()) return false;
  const QTransform step = QTransform::fromScale(sx, sy);
  return SetWorldTransform(order == kMatrixOrderAppend ? world_ * step : step * world_);
}

bool ImgGraphics::RotateWorldTransform(float degrees, int order) {
  if (!CheckHeld()) return false;
  const QTransform step = QTransform().rotate(degrees);
  return SetWorldTransform(order == kMatrixOrderAppend ? world_ * step : step * world_);
}

float ImgGraphics::GetDpiX() const {
  if (!CheckHeld()) return 0;
  ImgRecord(kStatusOk);
  return static_cast<float>(device_->logicalDpiX());
}

float ImgGraphics::GetDpiY() const {
  if (!CheckHeld()) return 0;
  ImgRecord(kStatusOk);
  return static_cast<float>(device_->logicalDpiY());
}

bool ImgGraphics::PixelCentresAtIntegers() const {
  return painter_->testRenderHint(QPainter::Antialiasing) &&
         pixel_offset_mode_ != kPixelOffsetModeHalf &&
         pixel_offset_mode_ != kPixelOffsetModeHighQuality;
}

QTransform ImgGraphics::ShapeTransform(bool odd_stroke) const {
  // Without antialiasing, a line of odd width on a high-resolution device is
  // centred on its logical pixel so it covers that pixel's device rows, not
  // half of them and half of the row before (a line of even width already
  // lies on whole pixels).
  const bool centre = PixelCentresAtIntegers() || (odd_stroke && ratio_ > 1.0);
  if (!centre) return world_;
  return world_ * QTransform::fromTranslate(kHalfPixel, kHalfPixel);
}

void ImgGraphics::UseShapeTransform(bool odd_stroke) {
  painter_->setWorldTransform(ShapeTransform(odd_stroke));
}

QSize ImgGraphics::DevicePixels() const {
  const int type = device_->devType();
  if (type == QInternal::Image || type == QInternal::Pixmap)
    return QSize(device_->width(), device_->height());
  return QSize(qCeil(device_->width() * ratio_), qCeil(device_->height() * ratio_));
}

void ImgGraphics::UseImageTransform() {
  painter_->setWorldTransform(world_);
}

bool ImgGraphics::Stroke(const ImgPen& pen, const QPainterPath& outline) {
  if (!CheckHeld()) return false;
  if (pen.IsEmpty()) return ImgRecord(kStatusInvalidParameter);
  UseShapeTransform(std::lround(pen.Stroke().widthF()) % 2 == 1);
  painter_->strokePath(outline, pen.Stroke());
  return ImgRecord(kStatusOk);
}

bool ImgGraphics::Fill(const ImgBrush& brush, const QPainterPath& area) {
  if (!CheckHeld()) return false;
  if (brush.IsEmpty()) return ImgRecord(kStatusInvalidParameter);
  UseShapeTransform(false);
  if (const QPainterPath* outline = brush.Outline()) {
    // A path gradient paints only inside its own path.
    painter_->fillPath(area.intersected(*outline), brush.Paint());
  } else {
    painter_->fillPath(area, brush.Paint());
  }
  return ImgRecord(kStatusOk);
}

bool ImgGraphics::DrawLine(const ImgPen& pen, float x1, float y1, float x2, float y2) {
  QPainterPath line(QPointF(x1, y1));
  line.lineTo(x2, y2);
  return Stroke(pen, line);
}

bool ImgGraphics::DrawRectangle(const ImgPen& pen, float x, float y, float width, float height) {
  return Stroke(pen, RectPath(x, y, width, height));
}

bool ImgGraphics::DrawEllipse(const ImgPen& pen, float x, float y, float width, float height) {
  return Stroke(pen, EllipsePath(x, y, width, height));
}

bool ImgGraphics::DrawArc(const ImgPen& pen, float x, float y, float width, float height,
                          float start_angle, float sweep_angle) {
  if (!CheckHeld()) return false;
  ImgPath arc;
  arc.Create();
  if (!arc.AddArc(x, y, width, height, start_angle, sweep_angle)) return false;
  return Stroke(pen, arc.Figures());
}

bool ImgGraphics::DrawPath(const ImgPen& pen, const ImgPath& path) {
  if (!CheckHeld()) return false;
  if (path.IsEmpty()) return ImgRecord(kStatusInvalidParameter);
  return Stroke(pen, path.Figures());
}

bool ImgGraphics::Clear(Argb color) {
  if (!CheckHeld()) return false;
  painter_->setWorldTransform(QTransform());
  const QPainter::CompositionMode mode = painter_->compositionMode();
  painter_->setCompositionMode(QPainter::CompositionMode_Source);
  painter_->fillRect(QRect(0, 0, device_->width(), device_->height()), ToQColor(color));
  painter_->setCompositionMode(mode);
  return ImgRecord(kStatusOk);
}

bool ImgGraphics::FillRectangle(const ImgBrush& brush, float x, float y, float width,
                                float height) {
  return Fill(brush, RectPath(x, y, width, height));
}

bool ImgGraphics::FillEllipse(const ImgBrush& brush, float x, float y, float width, float height) {
  return Fill(brush, EllipsePath(x, y, width, height));
}

bool ImgGraphics::FillPath(const ImgBrush& brush, const ImgPath& path) {
  if (!CheckHeld()) return false;
  if (path.IsEmpty()) return ImgRecord(kStatusInvalidParameter);
  return Fill(brush, path.Figures());
}

bool ImgGraphics::FillRegion(const ImgBrush& brush, const ImgRegion& region) {
  if (!CheckHeld()) return false;
  if (region.IsEmpty()) return ImgRecord(kStatusInvalidParameter);
  return Fill(brush, region.Area());
}

bool ImgGraphics::DrawString(const Text& text, const ImgFont& font, float x, float y, float width,
                             float height, const ImgStringFormat* format, const ImgBrush& brush) {
  if (!CheckHeld()) return false;
  if (font.IsEmpty() || brush.IsEmpty() || width < 0 || height < 0) {
    return ImgRecord(kStatusInvalidParameter);
  }
  const QFont qfont = font.ToQFont(device_->logicalDpiY());
  const QRectF rect(x, y, width, height);
  const TextLayoutResult layout = LayOutText(SystemToQString(text), qfont, rect, OptionsOf(format));
  UseImageTransform();
  painter_->save();
  if (layout.clip) painter_->setClipRect(rect, Qt::IntersectClip);
  painter_->setFont(qfont);
  painter_->setPen(QPen(brush.Paint(), 0));
  for (const LaidOutLine& line : layout.lines)
    painter_->drawText(line.baseline, line.text);
  painter_->restore();
  return ImgRecord(kStatusOk);
}

bool ImgGraphics::MeasureString(const Text& text, const ImgFont& font, float x, float y,
                                float width, float height, const ImgStringFormat* format,
                                ImgTextMeasure* out) {
  *out = ImgTextMeasure{};
  if (!CheckHeld()) return false;
  if (font.IsEmpty() || width < 0 || height < 0) return ImgRecord(kStatusInvalidParameter);
  const QFont qfont = font.ToQFont(device_->logicalDpiY());
  const TextLayoutResult layout =
      LayOutText(SystemToQString(text), qfont, QRectF(x, y, width, height), OptionsOf(format));
  out->box = layout.box;
  out->chars_fitted = layout.chars_fitted;
  out->lines_filled = static_cast<int>(layout.lines.size());
  return ImgRecord(kStatusOk);
}

bool ImgGraphics::HighQualityScaling() const {
  return interpolation_mode_ == kInterpolationModeHighQuality ||
         interpolation_mode_ == kInterpolationModeBicubic ||
         interpolation_mode_ == kInterpolationModeHighQualityBilinear ||
         interpolation_mode_ == kInterpolationModeHighQualityBicubic;
}

bool ImgGraphics::DrawPicture(const QImage& picture, const QRectF& destination,
                              const QRectF& source) {
  UseImageTransform();
  const QRectF on_device = world_.mapRect(destination);
  const QSizeF in_pixels = on_device.size() * ratio_;
  const bool scaled = in_pixels != source.size();
  if (scaled && HighQualityScaling() && world_.type() <= QTransform::TxScale &&
      in_pixels.width() >= 1 && in_pixels.height() >= 1) {
    // Resample once with area averaging, at the device's own resolution, so a
    // large picture shrinks smoothly instead of losing the pixels bilinear
    // sampling skips.
    const QSize target = QRectF(on_device.topLeft() * ratio_, in_pixels).toAlignedRect().size();
    const QImage part =
        source == QRectF(picture.rect()) ? picture : picture.copy(source.toAlignedRect());
    QImage resampled = part.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    resampled.setDevicePixelRatio(ratio_);
    painter_->setWorldTransform(QTransform());
    painter_->drawImage(QRectF(on_device.topLeft(), QSizeF(target) / ratio_), resampled);
    painter_->setWorldTransform(world_);
    return ImgRecord(kStatusOk);
  }
  painter_->drawImage(destination, picture, source);
  return ImgRecord(kStatusOk);
}

bool ImgGraphics::DrawImage(const ImgImage& image, float x, float y) {
  if (!CheckHeld()) return false;
  if (image.IsEmpty()) return ImgRecord(kStatusInvalidParameter);
  // In its own size: its logical size when it is made for a high-resolution
  // device.
  const QImage& picture = image.Picture();
  return DrawPicture(picture, QRectF(QPointF(x, y), picture.deviceIndependentSize()),
                     QRectF(picture.rect()));
}

bool ImgGraphics::DrawImageRect(const ImgImage& image, float x, float y, float width,
                                float height) {
  if (!CheckHeld()) return false;
  if (image.IsEmpty()) return ImgRecord(kStatusInvalidParameter);
  return DrawPicture(image.Picture(), QRectF(x, y, width, height), QRectF(image.Picture().rect()));
}

bool ImgGraphics::DrawImageRectRect(const ImgImage& image, const QRectF& destination,
                                    const QRectF& source) {
  if (!CheckHeld()) return false;
  if (image.IsEmpty() || source.isEmpty()) return ImgRecord(kStatusInvalidParameter);
  return DrawPicture(image.Picture(), destination, source);
}

bool ImgGraphics::ClipTo(const QPainterPath& area_in_world, int combine_mode) {
  // The clip is made of whole device pixels, so on a high-resolution device
  // its edges are as fine as the device's.
  const QRect device_rect(QPoint(0, 0), DevicePixels());
  const QTransform to_pixels = world_ * QTransform::fromScale(ratio_, ratio_);
  const QRegion area = PixelRegionOf(to_pixels.map(area_in_world), device_rect);
  QRegion combined;
  if (!CombinePixelRegions(clip_ ? *clip_ : QRegion(device_rect), area, combine_mode, &combined)) {
    return ImgRecord(kStatusInvalidParameter);
  }
  clip_ = combined;
  painter_->setWorldTransform(QTransform::fromScale(1.0 / ratio_, 1.0 / ratio_));
  painter_->setClipRegion(*clip_, Qt::ReplaceClip);
  UseImageTransform();
  return ImgRecord(kStatusOk);
}

bool ImgGraphics::SetClipPath(const ImgPath& path, int combine_mode) {
  if (!CheckHeld()) return false;
  if (path.IsEmpty()) return ImgRecord(kStatusInvalidParameter);
  return ClipTo(path.Figures(), combine_mode);
}

bool ImgGraphics::SetClipRect(float x, float y, float width, float height, int combine_mode) {
  if (!CheckHeld()) return false;
  return ClipTo(RectPath(x, y, width, height), combine_mode);
}

bool ImgGraphics::SetClipRegion(const ImgRegion& region, int combine_mode) {
  if (!CheckHeld()) return false;
  if (region.IsEmpty()) return ImgRecord(kStatusInvalidParameter);
  if (region.IsInfinite() && combine_mode == kCombineModeReplace) return ResetClip();
  return ClipTo(region.Area(), combine_mode);
}

bool ImgGraphics::ResetClip() {
  if (!CheckHeld()) return false;
  clip_.reset();
  painter_->setClipping(false);
  return ImgRecord(kStatusOk);
}

QRectF ImgGraphics::GetClipBounds() const {
  if (!CheckHeld()) return {};
  ImgRecord(kStatusOk);
  const QRectF pixel_bounds =
      clip_ ? QRectF(clip_->boundingRect()) : QRectF(QPoint(0, 0), DevicePixels());
  const QRectF device_bounds(pixel_bounds.topLeft() / ratio_, pixel_bounds.size() / ratio_);
  return world_.inverted().mapRect(device_bounds);
}

bool ImgGraphics::IsClipEmpty() const {
  if (!CheckHeld()) return false;
  ImgRecord(kStatusOk);
  return clip_ && clip_->isEmpty();
}

}  // namespace vexo
