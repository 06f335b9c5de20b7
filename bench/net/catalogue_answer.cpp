#include "catalogue_answer.h"

#include <cstdio>

#include "net/utf16_units.h"

namespace vexo::bench {

std::string EscapedSongAnswer(int count) {
  std::u16string units = Utf8ToUtf16(testing::SongAnswer(count));
  std::string out;
  for (char16_t u : units) {
    if (u == u'/') {
      out += "\\/";
    } else if (u < 0x80) {
      out.push_back(static_cast<char>(u));
    } else {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(u));
      out += escape;
    }
  }
  return out;
}

std::string EscapedAnswerOfSize(std::size_t bytes) {
  int count = 50;
  std::string answer = EscapedSongAnswer(count);
  while (answer.size() < bytes) {
    count = static_cast<int>(static_cast<double>(count) * static_cast<double>(bytes) /
                             static_cast<double>(answer.size())) +
            1;
    answer = EscapedSongAnswer(count);
  }
  return answer;
}

}  // namespace vexo::bench
