#pragma once
// The search box: suggestions while the user types, and the search that
// appends its result to the song list.
#include <string_view>

#include "catalogue/catalogue_view.h"

namespace vexo {

// Markers of the suggestion answer (the double quotes belong to them): the
// answer without suggestions ends in the empty data array; the first
// suggestion stands between the start and end markers.
inline constexpr std::string_view kNoSuggestionMarker = R"("data":[]}))";
inline constexpr std::string_view kSuggestionStart = R"("data":[")";
inline constexpr std::string_view kSuggestionEnd = R"(",")";

// Searches for the search box text and appends the songs of the answer (its
// escapes are not decoded); returns their number.
int SearchSongs(CatalogueView& v, CatalogueState& s);

// Key-down handler of the search box: Enter searches, every other key does
// nothing here.
void SearchBoxKeyDown(CatalogueView& v, CatalogueState& s, int keyCode, int shiftState);

// Content-changed handler of the search box: asks for suggestions for the
// text and shows the first in the suggestion list, or hides the list when the
// service has none. A failed request, or an answer with a single suggestion,
// shows the list with one empty item.
void RequestSuggestions(CatalogueView& v, CatalogueState& s);

// Item-chosen handler of the suggestion list: the chosen text goes into the
// search box, and the list ends empty and hidden.
void TakeSuggestion(CatalogueView& v, CatalogueState& s);

}  // namespace vexo
