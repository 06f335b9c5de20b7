#include "service/search_matching.h"

#include <algorithm>
#include <iterator>
#include <unordered_set>

#include "service/utf8.h"

namespace vexo::service {

namespace {

enum class MatchRank { kExactName, kNamePrefix, kNameSubstring, kSinger, kNone };

// Ascending indices of the songs whose folded name or singer may contain
// `folded`: every one that does, perhaps a few more.
std::vector<std::size_t> Candidates(const Catalogue& catalogue, const std::string& folded,
                                    const TextLookup& lookup) {
  std::vector<std::size_t> found;
  if (lookup.store && lookup.store->TextIndexServes(CodePointCount(folded))) {
    for (const auto id : lookup.store->FindText(lookup.library, folded)) {
      // A song the cache does not hold yet shows once the cache is rebuilt.
      if (const auto index = catalogue.FindSong(id)) found.push_back(*index);
    }
    std::sort(found.begin(), found.end());
    found.erase(std::unique(found.begin(), found.end()), found.end());
    return found;
  }
  const auto names = catalogue.NameIndex().Containing(folded);
  const auto singers = catalogue.SingerIndex().Containing(folded);
  std::set_union(names.begin(), names.end(), singers.begin(), singers.end(),
                 std::back_inserter(found));
  return found;
}

MatchRank RankOf(const Catalogue& catalogue, std::size_t index, const std::string& folded) {
  const auto& name = catalogue.FoldedName(index);
  if (name == folded) return MatchRank::kExactName;
  if (name.starts_with(folded)) return MatchRank::kNamePrefix;
  if (name.find(folded) != std::string::npos) return MatchRank::kNameSubstring;
  if (catalogue.FoldedSinger(index).find(folded) != std::string::npos) return MatchRank::kSinger;
  return MatchRank::kNone;
}

}  // namespace

std::vector<std::size_t> SearchSongs(const Catalogue& catalogue, std::string_view query,
                                     TextLookup lookup) {
  const std::string folded = FoldCase(TrimWhite(query));
  if (folded.empty()) return {};
  // Candidates come in popularity order; one list per match kind keeps it.
  std::vector<std::size_t> by_rank[static_cast<int>(MatchRank::kNone)];
  for (const std::size_t i : Candidates(catalogue, folded, lookup)) {
    const auto rank = RankOf(catalogue, i, folded);
    if (rank != MatchRank::kNone) by_rank[static_cast<int>(rank)].push_back(i);
  }
  std::vector<std::size_t> order;
  for (const auto& group : by_rank)
    order.insert(order.end(), group.begin(), group.end());
  return order;
}

std::vector<std::string> SuggestTexts(const Catalogue& catalogue, std::string_view query,
                                      std::size_t count, TextLookup lookup) {
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
  for (const std::size_t i : Candidates(catalogue, folded, lookup)) {
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
