#include "service/search_matching.h"

#include <algorithm>
#include <unordered_set>

#include "service/utf8.h"

namespace vexo::service {

namespace {

enum class MatchRank { kExactName, kNamePrefix, kNameSubstring, kSinger, kNone };

}  // namespace

std::vector<std::size_t> SearchSongs(const Catalogue& catalogue, std::string_view query) {
  const std::string folded = FoldCase(TrimWhite(query));
  if (folded.empty()) return {};
  std::vector<MatchRank> ranks(catalogue.Size(), MatchRank::kNone);
  catalogue.NameIndex().ForEachMatch(folded, [&](const TextIndex::Match& m) {
    ranks[m.text] = m.whole      ? MatchRank::kExactName
                    : m.at_start ? MatchRank::kNamePrefix
                                 : MatchRank::kNameSubstring;
  });
  catalogue.SingerIndex().ForEachMatch(folded, [&](const TextIndex::Match& m) {
    if (ranks[m.text] == MatchRank::kNone) ranks[m.text] = MatchRank::kSinger;
  });
  // Walking in popularity order and keeping one list per match kind gives
  // the ranking without a sort.
  std::vector<std::size_t> by_rank[static_cast<int>(MatchRank::kNone)];
  for (const std::size_t i : catalogue.ByPopularity()) {
    if (ranks[i] != MatchRank::kNone) by_rank[static_cast<int>(ranks[i])].push_back(i);
  }
  std::vector<std::size_t> order;
  for (const auto& group : by_rank)
    order.insert(order.end(), group.begin(), group.end());
  return order;
}

std::vector<std::string> SuggestTexts(const Catalogue& catalogue, std::string_view query,
                                      std::size_t count) {
  const std::string folded = FoldCase(TrimWhite(query));
  std::vector<std::string> result;
  if (folded.empty() || count == 0) return result;
  std::unordered_set<std::string_view> seen;
  std::unordered_set<std::string_view> seen_contained;
  std::vector<const std::string*> contained;
  auto offer = [&](const std::string& folded_text, const std::string& text) {
    if (folded_text.starts_with(folded)) {
      if (seen.insert(folded_text).second) result.push_back(text);
    } else if (contained.size() < count && folded_text.find(folded) != std::string::npos &&
               seen_contained.insert(folded_text).second) {
      contained.push_back(&text);
    }
  };
  for (const std::size_t i : catalogue.ByPopularity()) {
    offer(catalogue.FoldedName(i), catalogue.At(i).name);
    if (result.size() < count) offer(catalogue.FoldedSinger(i), catalogue.At(i).singer);
    if (result.size() >= count) return result;
  }
  for (const std::string* text : contained) {
    if (result.size() >= count) break;
    result.push_back(*text);
  }
  return result;
}

}  // namespace vexo::service
