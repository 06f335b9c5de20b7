#include "catalogue/suggestion_answer.h"

#include "net/text_search.h"
#include "platform/codepage.h"

namespace vexo {

namespace {

constexpr char kQuote = '"';
constexpr char kEscape = '\\';

}  // namespace

std::optional<Text> FirstSuggestion(std::string_view answer) {
  if (answer.empty() || FindText(answer, kNoSuggestionMarker) != kNotFound) return std::nullopt;
  const std::size_t start = FindText(answer, kSuggestionStart);
  if (start == kNotFound) return std::nullopt;
  const std::size_t first = start + kSuggestionStart.size();
  // Walk character by character, so that the trail byte of a Chinese
  // character is never taken for a quote or a backslash; an escaped quote
  // belongs to the suggestion.
  std::size_t at = first;
  while (at < answer.size()) {
    const char c = answer[at];
    if (c == kQuote) {
      if (at == first) return std::nullopt;
      return Text(answer.substr(first, at - first));
    }
    std::size_t step = CharLength(answer.data() + at, answer.size() - at);
    if (c == kEscape && at + 1 < answer.size()) {
      step += CharLength(answer.data() + at + 1, answer.size() - at - 1);
    }
    at += step;
  }
  return std::nullopt;
}

}  // namespace vexo
