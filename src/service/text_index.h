#pragma once
// Substring lookup over many short texts (song names, singers) in memory:
// for every character, the texts that hold it. A query looks at the texts
// holding its rarest character only, so one- and two-character queries,
// which no trigram index can answer, cost a few short comparisons.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vexo::service {

class TextIndex {
 public:
  TextIndex() = default;
  explicit TextIndex(std::vector<std::string> texts);

  std::size_t Size() const { return texts_.size(); }
  const std::string& Text(std::size_t index) const { return texts_[index]; }

  // Indices of the texts that contain `query` (not empty), ascending.
  std::vector<std::size_t> Containing(std::string_view query) const;

 private:
  std::vector<std::string> texts_;
  std::unordered_map<char32_t, std::vector<std::uint32_t>> texts_with_;
};

// Number of characters (code points) of a UTF-8 text; malformed bytes count
// one each.
std::size_t CodePointCount(std::string_view text);

}  // namespace vexo::service
