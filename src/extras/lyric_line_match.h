#pragma once
// How the lyrics display reads one raw lyric line: which line belongs to a
// playback second, and the text it shows. Plain text in and out, no control.
#include <optional>
#include <string_view>

#include "platform/text.h"

namespace vexo {

// The text of `line` for the time text `timeText` ("mm:ss"): present when
// the time text stands anywhere in the line (exact case) and the line splits
// at "]" into exactly two pieces, a time tag and its text; the text is the
// second piece. A line with several tags, no text or a header tag gives
// nothing. Whether the text is shown at all (a lone "?" never is) is the
// display's decision.
std::optional<Text> TimedLyricText(std::string_view line, std::string_view timeText);

}  // namespace vexo
