#include "service/search_matching.h"

#include <algorithm>
#include <iterator>
#include <unordered_set>

#include "service/utf8.h"

namespace vexo::service {

namespace {

enum class MatchRank { kExactName, kNamePrefix, kNameSubstring, kSinger, kNone };

// Ascending indices of the songs whose folded name or singer may contain
// `folded`: every one that does, perhaps a few more. `exact` tells whether
// each of them does.
std::vector<std::size_t> Candidates(const Catalogue& catalogue, const std::string& folded,
                                    const TextLookup& lookup, bool* exact = nullptr) {
  std::vector<std::size_t> found;
  if (lookup.store && lookup.store->TextIndexServes(CodePointCount(folded))) {
    for (const auto id : lookup.store->FindText(lookup.library, folded)) {
      // A song the cache does not hold yet shows once the cache is rebuilt.
      if (const auto index = catalogue.FindSong(id)) found.push_back(*index);
    }
    std::sort(found.begin(), found.end());
    found.erase(std::unique(found.begin(), found.end()), found.end());
    if (exact) *exact = false;
    return found;
  }
  const auto names = catalogue.NameIndex().Containing(folded);
  const auto singers = catalogue.SingerIndex().Containing(folded);
  std::set_union(names.begin(), names.end(), singers.begin(), singers.end(),
                 std::back_inserter(found));
  if (exact) *exact = true;
  return found;
}

// Whether song `index` matches `folded` in the way `rank` names; each test
// is as cheap as its rank allows (an exact name is a length check first).
bool HasRank(const Catalogue& catalogue, std::size_t index, const std::string& folded,
             MatchRank rank) {
  const auto& name = catalogue.FoldedName(index);
  switch (rank) {
    case MatchRank::kExactName:
      return name == folded;
    case MatchRank::kNamePrefix:
      return name.size() > folded.size() && name.starts_with(folded);
    case MatchRank::kNameSubstring:
      return !name.starts_with(folded) && name.find(folded) != std::string::npos;
    case MatchRank::kSinger:
      return name.find(folded) == std::string::npos &&
             catalogue.FoldedSinger(index).find(folded) != std::string::npos;
    default:
      return false;
  }
}

bool Matches(const Catalogue& catalogue, std::size_t index, const std::string& folded) {
  return catalogue.FoldedName(index).find(folded) != std::string::npos ||
         catalogue.FoldedSinger(index).find(folded) != std::string::npos;
}

}  // namespace

SearchPage SearchSongsPage(const Catalogue& catalogue, std::string_view query, std::size_t offset,
                           std::size_t limit, TextLookup lookup) {
  SearchPage page;
  const std::string folded = FoldCase(TrimWhite(query));
  if (folded.empty()) return page;
  bool exact = false;
  const auto candidates = Candidates(catalogue, folded, lookup, &exact);
  page.total = exact ? candidates.size()
                     : static_cast<std::size_t>(std::count_if(
                           candidates.begin(), candidates.end(),
                           [&](std::size_t i) { return Matches(catalogue, i, folded); }));
  // Candidates come in popularity order: one pass per match kind, each
  // ending as soon as the page is full, gives the ranking without a sort.
  std::size_t skip = offset;
  for (int rank = 0; rank < static_cast<int>(MatchRank::kNone); ++rank) {
    for (const std::size_t i : candidates) {
      if (page.songs.size() >= limit) return page;
      if (!HasRank(catalogue, i, folded, static_cast<MatchRank>(rank))) continue;
      if (skip > 0) {
        --skip;
        continue;
      }
      page.songs.push_back(i);
    }
  }
  return page;
}

std::vector<std::size_t> SearchSongs(const Catalogue& catalogue, std::string_view query,
                                     TextLookup lookup) {
  return SearchSongsPage(catalogue, query, 0, catalogue.Size(), lookup).songs;
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
