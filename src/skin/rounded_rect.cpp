#include "skin/rounded_rect.h"

#include <algorithm>

#include "skin/skin_constants.h"

namespace vexo::skin {

void AddRoundedRect(ImgPath& path, float x, float y, float w, float h, int r) {
  const float s = static_cast<float>(std::clamp(r, kRoundedMin, kRoundedMax));
  path.StartFigure();
  path.AddArc(x + w - s, y, s, s, 270, 90);
  path.AddArc(x + w - s - 1, y + h - s - 1, s + 1, s + 1, 0, 90);
  path.AddArc(x, y + h - s, s, s, 90, 90);
  path.AddArc(x, y, s, s, 180, 90);
  path.CloseFigure();
}

void AddTopRoundedRect(ImgPath& path, float x, float y, float w, float h, int r) {
  const float s = static_cast<float>(std::clamp(r, kRoundedMin, kRoundedMax));
  path.StartFigure();
  path.AddArc(x + w - s, y, s, s, 270, 90);
  path.AddLine(x + w, y + h, x, y + h);
  path.AddArc(x, y, s, s, 180, 90);
  path.CloseFigure();
}

}  // namespace vexo::skin
