#pragma once
// LRC lyrics timed to a performance: one line per lyric phrase, stamped with
// the time its first note sounds.
#include <string>
#include <vector>

namespace vexo::service::demo {

struct LrcHeader {
  std::string title;
  std::string singer;
  std::string album;
};

// The LRC text: [ti:], [ar:], [al:] and [by:] lines, then "[mm:ss.xx]line"
// for each phrase time, the lines taken in turn (from the first again when
// there are more phrases than lines).
std::string WriteLrc(const LrcHeader& header, const std::vector<double>& phrase_times,
                     const std::vector<const char*>& lines);

// "[mm:ss.xx]" for `seconds`.
std::string LrcTimeTag(double seconds);

}  // namespace vexo::service::demo
