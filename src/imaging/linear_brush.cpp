#include "imaging/linear_brush.h"

#include <QLinearGradient>
#include <algorithm>
#include <cmath>

#include "imaging/qt_convert.h"
#include "imaging/status.h"

namespace vexo {
namespace {

QGradient::Spread SpreadOf(int wrap_mode) {
  switch (wrap_mode) {
    case kWrapModeTile:
      return QGradient::RepeatSpread;
    case kWrapModeClamp:
      return QGradient::PadSpread;
    default:
      return QGradient::ReflectSpread;
  }
}

bool ValidWrapMode(int wrap_mode) {
  return wrap_mode >= kWrapModeTile && wrap_mode <= kWrapModeClamp;
}

Argb Mix(Argb a, Argb b, float t) {
  const auto lerp = [t](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * t)); };
  return MakeArgb(lerp(ArgbAlpha(a), ArgbAlpha(b)), lerp(ArgbRed(a), ArgbRed(b)),
                  lerp(ArgbGreen(a), ArgbGreen(b)), lerp(ArgbBlue(a), ArgbBlue(b)));
}

}  // namespace

bool ValidBlendPositions(const std::vector<float>& positions, std::size_t count) {
  if (positions.size() < 2 || positions.size() != count) return false;
  if (positions.front() != 0.0f || positions.back() != 1.0f) return false;
  return std::is_sorted(positions.begin(), positions.end());
}

bool ImgLinearBrush::Create(float x1, float y1, float x2, float y2, Argb color1, Argb color2,
                            int wrap_mode) {
  Delete();
  if ((x1 == x2 && y1 == y2) || !ValidWrapMode(wrap_mode)) {
    return ImgRecord(kStatusInvalidParameter);
  }
  start_ = QPointF(x1, y1);
  end_ = QPointF(x2, y2);
  color1_ = color1;
  color2_ = color2;
  wrap_mode_ = wrap_mode;
  Adopt(QBrush(), kBrushTypeLinearGradient);
  Rebuild();
  return ImgRecord(kStatusOk);
}

bool ImgLinearBrush::CreateFromRect(float x, float y, float width, float height, Argb color1,
                                    Argb color2, int mode, int wrap_mode) {
  if (width <= 0 || height <= 0) {
    Delete();
    return ImgRecord(kStatusInvalidParameter);
  }
  const QRectF r(x, y, width, height);
  switch (mode) {
    case kLinearGradientModeHorizontal:
      return Create(r.left(), r.top(), r.right(), r.top(), color1, color2, wrap_mode);
    case kLinearGradientModeVertical:
      return Create(r.left(), r.top(), r.left(), r.bottom(), color1, color2, wrap_mode);
    case kLinearGradientModeForwardDiagonal:
      return Create(r.left(), r.top(), r.right(), r.bottom(), color1, color2, wrap_mode);
    case kLinearGradientModeBackwardDiagonal:
      return Create(r.right(), r.top(), r.left(), r.bottom(), color1, color2, wrap_mode);
    default:
      Delete();
      return ImgRecord(kStatusInvalidParameter);
  }
}

void ImgLinearBrush::OnRelease() {
  blend_factors_.clear();
  blend_positions_.clear();
  preset_colors_.clear();
  preset_positions_.clear();
}

void ImgLinearBrush::Rebuild() {
  QLinearGradient gradient(start_, end_);
  gradient.setSpread(SpreadOf(wrap_mode_));
  gradient.setInterpolationMode(QGradient::ComponentInterpolation);
  QGradientStops stops;
  if (!preset_colors_.empty()) {
    for (std::size_t i = 0; i < preset_colors_.size(); ++i) {
      stops.append({preset_positions_[i], ToQColor(preset_colors_[i])});
    }
  } else if (!blend_factors_.empty()) {
    for (std::size_t i = 0; i < blend_factors_.size(); ++i) {
      stops.append({blend_positions_[i], ToQColor(Mix(color1_, color2_, blend_factors_[i]))});
    }
  } else {
    stops = {{0.0, ToQColor(color1_)}, {1.0, ToQColor(color2_)}};
  }
  gradient.setStops(stops);
  brush_ = QBrush(gradient);
}

bool ImgLinearBrush::SetLinearColors(Argb color1, Argb color2) {
  if (!CheckHeld()) return false;
  color1_ = color1;
  color2_ = color2;
  Rebuild();
  return ImgRecord(kStatusOk);
}

bool ImgLinearBrush::GetLinearColors(Argb* color1, Argb* color2) const {
  *color1 = 0;
  *color2 = 0;
  if (!CheckHeld()) return false;
  *color1 = color1_;
  *color2 = color2_;
  return ImgRecord(kStatusOk);
}

bool ImgLinearBrush::SetBlend(const std::vector<float>& factors,
                              const std::vector<float>& positions) {
  if (!CheckHeld()) return false;
  if (!ValidBlendPositions(positions, factors.size())) return ImgRecord(kStatusInvalidParameter);
  for (float f : factors) {
    if (f < 0.0f || f > 1.0f) return ImgRecord(kStatusInvalidParameter);
  }
  blend_factors_ = factors;
  blend_positions_ = positions;
  preset_colors_.clear();
  preset_positions_.clear();
  Rebuild();
  return ImgRecord(kStatusOk);
}

bool ImgLinearBrush::SetPresetBlend(const std::vector<Argb>& colors,
                                    const std::vector<float>& positions) {
  if (!CheckHeld()) return false;
  if (!ValidBlendPositions(positions, colors.size())) return ImgRecord(kStatusInvalidParameter);
  preset_colors_ = colors;
  preset_positions_ = positions;
  blend_factors_.clear();
  blend_positions_.clear();
  Rebuild();
  return ImgRecord(kStatusOk);
}

bool ImgLinearBrush::SetLinearBlend(float focus, float scale) {
  if (!CheckHeld()) return false;
  if (focus < 0.0f || focus > 1.0f || scale < 0.0f || scale > 1.0f) {
    return ImgRecord(kStatusInvalidParameter);
  }
  if (focus == 0.0f) return SetBlend({scale, 0.0f}, {0.0f, 1.0f});
  if (focus == 1.0f) return SetBlend({0.0f, scale}, {0.0f, 1.0f});
  return SetBlend({0.0f, scale, 0.0f}, {0.0f, focus, 1.0f});
}

int ImgLinearBrush::GetWrapMode() const {
  if (!CheckHeld()) return 0;
  ImgRecord(kStatusOk);
  return wrap_mode_;
}

bool ImgLinearBrush::SetWrapMode(int wrap_mode) {
  if (!CheckHeld()) return false;
  if (!ValidWrapMode(wrap_mode)) return ImgRecord(kStatusInvalidParameter);
  wrap_mode_ = wrap_mode;
  Rebuild();
  return ImgRecord(kStatusOk);
}

bool ImgLinearBrush::GetLine(QPointF* start, QPointF* end) const {
  *start = QPointF();
  *end = QPointF();
  if (!CheckHeld()) return false;
  *start = start_;
  *end = end_;
  return ImgRecord(kStatusOk);
}

}  // namespace vexo
