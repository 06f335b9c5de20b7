#pragma once
// The skin's rounded rectangle: four arcs in squares of side r (so the visible
// radius is r / 2), the lower-right one in a square of side r + 1.
#include "imaging/path.h"

namespace vexo::skin {

// Adds the closed figure for (x, y, w, h) with corner size r (clamped to 1..100).
void AddRoundedRect(ImgPath& path, float x, float y, float w, float h, int r);
// The same with only the two top corners rounded and a straight bottom edge.
void AddTopRoundedRect(ImgPath& path, float x, float y, float w, float h, int r);

}  // namespace vexo::skin
