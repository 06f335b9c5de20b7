#include "service/demo/singer_portrait.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vexo::service::demo {

namespace {

struct Colour {
  double r, g, b;
};

Colour Hue(double hue, double saturation, double value) {
  const double h = std::fmod(hue, 1.0) * 6.0;
  const int sector = static_cast<int>(h);
  const double f = h - sector;
  const double p = value * (1 - saturation);
  const double q = value * (1 - saturation * f);
  const double t = value * (1 - saturation * (1 - f));
  switch (sector) {
    case 0:
      return {value, t, p};
    case 1:
      return {q, value, p};
    case 2:
      return {p, value, t};
    case 3:
      return {p, q, value};
    case 4:
      return {t, p, value};
    default:
      return {value, p, q};
  }
}

Colour Mix(Colour a, Colour b, double t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

// Coverage of a disc of radius `r` at distance `d`, smoothed over a pixel.
double Disc(double d, double r) {
  return std::clamp(r - d + 0.5, 0.0, 1.0);
}

}  // namespace

RgbImage SingerPortrait(int singer_number, int size) {
  const double hue = std::fmod(0.13 + singer_number * 0.381966, 1.0);
  const Colour top = Hue(hue, 0.55, 0.95);
  const Colour bottom = Hue(hue + 0.12, 0.75, 0.55);
  const Colour halo = Hue(hue + 0.5, 0.35, 1.0);
  const Colour figure = Hue(hue + 0.08, 0.6, 0.22);
  const int stripes = 3 + singer_number % 4;

  RgbImage image{size, size, std::vector<std::uint8_t>(static_cast<std::size_t>(size) * size * 3)};
  const double s = size;
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      const double fx = x + 0.5;
      const double fy = y + 0.5;
      Colour c = Mix(top, bottom, fy / s);
      // Soft diagonal stripes in the backdrop.
      const double wave = std::sin((fx + fy) / s * stripes * std::numbers::pi);
      c = Mix(c, halo, 0.08 * (wave > 0 ? 1 : 0));
      // A halo behind the head.
      const double halo_d = std::hypot(fx - s * 0.5, fy - s * 0.42);
      c = Mix(c, halo, 0.55 * Disc(halo_d, s * 0.3));
      // Head and shoulders.
      const double head = Disc(std::hypot(fx - s * 0.5, fy - s * 0.4), s * 0.15);
      const double shoulders =
          Disc(std::hypot((fx - s * 0.5) / 1.6, (fy - s * 0.98) / 1.0), s * 0.26);
      c = Mix(c, figure, std::max(head, shoulders));
      auto* pixel = image.pixels.data() + (static_cast<std::size_t>(y) * size + x) * 3;
      pixel[0] = static_cast<std::uint8_t>(std::clamp(c.r, 0.0, 1.0) * 255);
      pixel[1] = static_cast<std::uint8_t>(std::clamp(c.g, 0.0, 1.0) * 255);
      pixel[2] = static_cast<std::uint8_t>(std::clamp(c.b, 0.0, 1.0) * 255);
    }
  }
  return image;
}

}  // namespace vexo::service::demo
