#include "service/demo/lrc_writer.h"

#include <cmath>
#include <cstdio>

namespace vexo::service::demo {

std::string LrcTimeTag(double seconds) {
  const auto hundredths = static_cast<long>(std::lround(std::max(seconds, 0.0) * 100));
  char tag[32];
  std::snprintf(tag, sizeof tag, "[%02ld:%02ld.%02ld]", hundredths / 6000, hundredths / 100 % 60,
                hundredths % 100);
  return tag;
}

std::string WriteLrc(const LrcHeader& header, const std::vector<double>& phrase_times,
                     const std::vector<const char*>& lines) {
  std::string text = "[ti:" + header.title + "]\n[ar:" + header.singer + "]\n[al:" + header.album +
                     "]\n[by:Vexo]\n";
  if (lines.empty()) return text;
  for (std::size_t i = 0; i < phrase_times.size(); ++i) {
    text += LrcTimeTag(phrase_times[i]);
    text += lines[i % lines.size()];
    text.push_back('\n');
  }
  return text;
}

}  // namespace vexo::service::demo
