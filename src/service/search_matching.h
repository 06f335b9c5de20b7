#pragma once
// Matching a search text against the library: search results and
// suggestions. Letter case is ignored for ASCII letters. The songs that may
// match come from the store's text index when it answers a query that long,
// else from the cache's own index; either way the cache ranks them.
#include <string>
#include <string_view>
#include <vector>

#include "service/catalogue.h"
#include "service/catalogue_store.h"

namespace vexo::service {

// Where a query's candidate songs are looked up besides the cache.
struct TextLookup {
  CatalogueStore* store = nullptr;
  std::int64_t library = 0;
};

// Indices of the songs whose name or singer contains `query`, best first:
// exact name, then name prefix, then name substring, then singer; within each
// group the more played song first. An empty (or blank) query matches nothing.
std::vector<std::size_t> SearchSongs(const Catalogue& catalogue, std::string_view query,
                                     TextLookup lookup = {});

// One page of that order, and how many songs match in all. Only as much of
// the order is worked out as the page needs.
struct SearchPage {
  std::vector<std::size_t> songs;
  std::size_t total = 0;
};
SearchPage SearchSongsPage(const Catalogue& catalogue, std::string_view query, std::size_t offset,
                           std::size_t limit, TextLookup lookup = {});

// Up to `count` distinct song names or singers that start with `query`,
// followed by those that merely contain it, more played songs first.
std::vector<std::string> SuggestTexts(const Catalogue& catalogue, std::string_view query,
                                      std::size_t count, TextLookup lookup = {});

}  // namespace vexo::service
