#pragma once
// Writing RGB pictures as PNG files, with no library: the image data is
// stored in uncompressed deflate blocks, which every PNG reader accepts.
#include <cstdint>
#include <string>
#include <vector>

namespace vexo::service::demo {

struct RgbImage {
  int width = 0;
  int height = 0;
  // Rows top to bottom, three bytes (red, green, blue) per pixel.
  std::vector<std::uint8_t> pixels;
};

// The bytes of a PNG file holding `image`.
std::string EncodePng(const RgbImage& image);

}  // namespace vexo::service::demo
