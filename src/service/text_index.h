#pragma once
// Substring lookup over many short texts at once: the texts are joined into
// one block, so a query is one scan of the block instead of one search per
// text. Used for song names and singers.
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vexo::service {

class TextIndex {
 public:
  TextIndex() = default;
  // `texts` must hold no NUL byte (library texts are sanitised).
  explicit TextIndex(const std::vector<std::string>& texts);

  struct Match {
    std::size_t text;  // index into the texts given
    bool at_start;     // the text starts with the query
    bool whole;        // the text is the query
  };
  // Calls `found` once for every text that contains `query` (not empty), in
  // text order, with its first occurrence.
  void ForEachMatch(std::string_view query, const std::function<void(const Match&)>& found) const;

 private:
  std::string block_;
  std::vector<std::size_t> starts_;  // offset of each text in block_
};

}  // namespace vexo::service
