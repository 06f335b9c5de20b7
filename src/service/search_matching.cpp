#include "service/search_matching.h"

#include <algorithm>
#include <unordered_set>

#include "service/utf8.h"

namespace vexo::service {

namespace {

enum class MatchRank { kExactName, kNamePrefix, kNameSubstring, kSinger, kNone };

MatchRank RankOf(const std::string& name, const std::string& singer, const std::string& query) {
  if (name == query) return MatchRank::kExactName;
  if (name.starts_with(query)) return MatchRank::kNamePrefix;
  if (name.find(query) != std::string::npos) return MatchRank::kNameSubstring;
  if (singer.find(query) != std::string::npos) return MatchRank::kSinger;
  return MatchRank::kNone;
}

}  // namespace

std::vector<std::size_t> SearchSongs(const Catalogue& catalogue, std::string_view query) {
  const std::string folded = FoldCase(TrimWhite(query));
  if (folded.empty()) return {};
  struct Hit {
    MatchRank rank;
    std::size_t index;
  };
  std::vector<Hit> hits;
  // Walking in popularity order makes a stable sort by rank keep the more
  // played songs first within each group.
  for (const std::size_t i : catalogue.ByPopularity()) {
    const auto rank = RankOf(catalogue.FoldedName(i), catalogue.FoldedSinger(i), folded);
    if (rank != MatchRank::kNone) hits.push_back({rank, i});
  }
  std::stable_sort(hits.begin(), hits.end(),
                   [](const Hit& a, const Hit& b) { return a.rank < b.rank; });
  std::vector<std::size_t> order;
  order.reserve(hits.size());
  for (const auto& hit : hits)
    order.push_back(hit.index);
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
