#include "service/text_index.h"

#include "service/utf8.h"

namespace vexo::service {

namespace {

// Calls `each` with every code point of `text`; a malformed byte is passed
// as itself.
template <typename Each>
void ForEachCodePoint(std::string_view text, Each&& each) {
  std::size_t pos = 0;
  while (pos < text.size()) {
    char32_t code_point = 0;
    if (!DecodeUtf8(text, pos, code_point)) code_point = static_cast<unsigned char>(text[pos++]);
    each(code_point);
  }
}

}  // namespace

std::size_t CodePointCount(std::string_view text) {
  std::size_t count = 0;
  ForEachCodePoint(text, [&](char32_t) { ++count; });
  return count;
}

TextIndex::TextIndex(std::vector<std::string> texts) : texts_(std::move(texts)) {
  for (std::size_t i = 0; i < texts_.size(); ++i) {
    const auto index = static_cast<std::uint32_t>(i);
    ForEachCodePoint(texts_[i], [&](char32_t code_point) {
      auto& holders = texts_with_[code_point];
      if (holders.empty() || holders.back() != index) holders.push_back(index);
    });
  }
}

std::vector<std::size_t> TextIndex::Containing(std::string_view query) const {
  std::vector<std::size_t> found;
  if (query.empty()) return found;
  const std::vector<std::uint32_t>* rarest = nullptr;
  bool absent = false;
  std::size_t code_points = 0;
  ForEachCodePoint(query, [&](char32_t code_point) {
    ++code_points;
    const auto it = texts_with_.find(code_point);
    if (it == texts_with_.end()) {
      absent = true;
    } else if (!rarest || it->second.size() < rarest->size()) {
      rarest = &it->second;
    }
  });
  if (absent || !rarest) return found;
  found.reserve(rarest->size());
  // A text that holds the one character of a one-character query holds the
  // query: nothing is left to compare. (A malformed byte is indexed as
  // itself and could pass for a character, so such a query is compared.)
  if (code_points == 1 && IsValidUtf8(query)) return {rarest->begin(), rarest->end()};
  for (const auto index : *rarest) {
    if (texts_[index].find(query) != std::string::npos) found.push_back(index);
  }
  return found;
}

}  // namespace vexo::service
