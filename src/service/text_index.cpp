#include "service/text_index.h"

#include <algorithm>
#include <functional>

namespace vexo::service {

TextIndex::TextIndex(const std::vector<std::string>& texts) {
  std::size_t total = 0;
  for (const auto& text : texts)
    total += text.size() + 1;
  block_.reserve(total);
  starts_.reserve(texts.size());
  for (const auto& text : texts) {
    starts_.push_back(block_.size());
    block_ += text;
    block_.push_back('\0');  // no match can run from one text into the next
  }
}

void TextIndex::ForEachMatch(std::string_view query,
                             const std::function<void(const Match&)>& found) const {
  if (query.empty() || starts_.empty()) return;
  const std::boyer_moore_horspool_searcher searcher(query.begin(), query.end());
  auto from = block_.begin();
  while (true) {
    const auto hit = std::search(from, block_.end(), searcher);
    if (hit == block_.end()) return;
    const auto offset = static_cast<std::size_t>(hit - block_.begin());
    const auto next = std::upper_bound(starts_.begin(), starts_.end(), offset);
    const auto text = static_cast<std::size_t>(next - starts_.begin()) - 1;
    const std::size_t end = next == starts_.end() ? block_.size() - 1 : *next - 1;
    const bool at_start = offset == starts_[text];
    found({text, at_start, at_start && end - offset == query.size()});
    // Only the first occurrence in each text counts: go on with the next.
    from = block_.begin() + static_cast<std::ptrdiff_t>(end + 1);
    if (from == block_.end()) return;
  }
}

}  // namespace vexo::service
