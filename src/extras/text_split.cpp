#include "extras/text_split.h"

#include "net/text_search.h"

namespace vexo {

std::vector<Text> SplitAtBoundaries(std::string_view text, std::string_view separator) {
  std::vector<Text> pieces;
  if (separator.empty()) {
    if (!text.empty()) pieces.emplace_back(text);
    return pieces;
  }
  std::size_t start = 0;
  for (;;) {
    const std::size_t found = FindText(text, separator, start);
    if (found == kNotFound) break;
    pieces.emplace_back(text.substr(start, found - start));
    start = found + separator.size();
  }
  if (start < text.size()) pieces.emplace_back(text.substr(start));
  return pieces;
}

}  // namespace vexo
