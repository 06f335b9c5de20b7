#pragma once
// A linear gradient brush: colours change along the line from a start point
// to an end point and stay constant across it. Colours are blended component
// by component (not premultiplied), so a fade to transparent white lightens as
// it fades, as the platform's brushes do.
#include <QPointF>
#include <QRectF>
#include <vector>

#include "imaging/brush.h"

namespace vexo {

class ImgLinearBrush : public ImgBrush {
 public:
  ImgLinearBrush() = default;
  ~ImgLinearBrush() override = default;
  ImgLinearBrush(ImgLinearBrush&&) noexcept = default;
  ImgLinearBrush& operator=(ImgLinearBrush&&) noexcept = default;

  // A gradient from `color1` at (x1, y1) to `color2` at (x2, y2). Beyond the
  // two points the gradient repeats by `wrap_mode`; the default mirrors it, so
  // a shape filled just past the end point shows no seam. The two points must
  // differ. A brush already held is released first.
  bool Create(float x1, float y1, float x2, float y2, Argb color1, Argb color2,
              int wrap_mode = kWrapModeTileFlipXY);
  // A gradient across the rectangle in the direction `mode`
  // (kLinearGradientModeHorizontal ...).
  bool CreateFromRect(float x, float y, float width, float height, Argb color1, Argb color2,
                      int mode, int wrap_mode = kWrapModeTileFlipXY);

  bool SetLinearColors(Argb color1, Argb color2);
  // The two end colours; both 0 when empty.
  bool GetLinearColors(Argb* color1, Argb* color2) const;
  // Blend factors: at each position (0 to 1, first 0, last 1) the colour is
  // color1 blended towards color2 by the factor (0 to 1). Replaces a preset
  // blend.
  bool SetBlend(const std::vector<float>& factors, const std::vector<float>& positions);
  // Preset blend: explicit colours at positions (first 0, last 1); they
  // replace the two end colours while set.
  bool SetPresetBlend(const std::vector<Argb>& colors, const std::vector<float>& positions);
  // Triangular blend: color1 at both ends and the mix `scale` (0 to 1) of
  // color2 at `focus` (0 to 1).
  bool SetLinearBlend(float focus, float scale);
  int GetWrapMode() const;
  bool SetWrapMode(int wrap_mode);
  // The start and end points.
  bool GetLine(QPointF* start, QPointF* end) const;

 private:
  void OnRelease() override;
  // Rebuilds the Qt gradient from the points, colours and blend.
  void Rebuild();

  QPointF start_;
  QPointF end_;
  Argb color1_ = 0;
  Argb color2_ = 0;
  int wrap_mode_ = kWrapModeTileFlipXY;
  std::vector<float> blend_factors_;
  std::vector<float> blend_positions_;
  std::vector<Argb> preset_colors_;
  std::vector<float> preset_positions_;
};

// True when `positions` is a valid blend position list for `count` values:
// at least two, the same count, rising from exactly 0 to exactly 1.
bool ValidBlendPositions(const std::vector<float>& positions, std::size_t count);

}  // namespace vexo
