#pragma once
// Colours as the skin keeps them: COLORREF values 0x00BBGGRR, turned into the
// imaging objects' ARGB (0xAARRGGBB) just before drawing.
#include <cstdint>

#include "imaging/constants.h"

namespace vexo {

using ColorRef = std::uint32_t;

inline constexpr ColorRef MakeColorRef(int r, int g, int b) {
  return static_cast<ColorRef>(r & 0xFF) | (static_cast<ColorRef>(g & 0xFF) << 8) |
         (static_cast<ColorRef>(b & 0xFF) << 16);
}
inline constexpr int RedOf(ColorRef c) {
  return static_cast<int>(c & 0xFF);
}
inline constexpr int GreenOf(ColorRef c) {
  return static_cast<int>((c >> 8) & 0xFF);
}
inline constexpr int BlueOf(ColorRef c) {
  return static_cast<int>((c >> 16) & 0xFF);
}
// The drawing colour of a COLORREF, opaque unless an alpha is given.
inline constexpr Argb ToArgb(ColorRef c, int alpha = 255) {
  return MakeArgb(alpha, RedOf(c), GreenOf(c), BlueOf(c));
}
inline constexpr ColorRef FromArgb(Argb c) {
  return MakeColorRef(ArgbRed(c), ArgbGreen(c), ArgbBlue(c));
}

// The platform's button-face colour (the palette's button colour).
ColorRef ButtonFaceColour();

}  // namespace vexo
