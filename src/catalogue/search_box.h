#pragma once
// The search box: suggestions while the user types, and the search that
// appends its result to the song list. Requests run on workers; the window
// keeps working while they wait.
#include <optional>

#include "catalogue/catalogue_view.h"

namespace vexo {

// Searches for the search box text and appends the songs of the answer once
// it is in (its escapes are not decoded); returns at once.
void SearchSongs(CatalogueView& v, CatalogueState& s);

// Key-down handler of the search box: Enter searches, every other key does
// nothing here.
void SearchBoxKeyDown(CatalogueView& v, CatalogueState& s, int keyCode, int shiftState);

// Content-changed handler of the search box: asks for suggestions for the
// text and, once the answer is in, shows its first suggestion (ShowSuggestion).
// An answer that arrives after a later change asked again is dropped, so the
// list always belongs to the text in the box.
void RequestSuggestions(CatalogueView& v, CatalogueState& s);

// The suggestion list with `suggestion` as its one item, or hidden and empty
// when there is none (a failed request, no suggestion, an empty one).
void ShowSuggestion(CatalogueView& v, const std::optional<Text>& suggestion);

// Item-chosen handler of the suggestion list: the chosen text goes into the
// search box (that change asks for no suggestions), and the list ends empty
// and hidden.
void TakeSuggestion(CatalogueView& v, CatalogueState& s);

}  // namespace vexo
