#include "playback/format_min_sec.h"

#include <cstdio>

namespace vexo {

Text FormatMinSec(int seconds) {
  if (seconds < 0) seconds = 0;
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%02d:%02d", seconds / 60, seconds % 60);
  return buffer;
}

}  // namespace vexo
