#include "catalogue/search_box.h"

#include "catalogue/append_song_rows.h"
#include "catalogue/request_urls.h"
#include "net/http_request.h"
#include "net/text_between.h"
#include "net/text_search.h"
#include "platform/controls/key_codes.h"

namespace vexo {

int SearchSongs(CatalogueView& v, CatalogueState& s) {
  s.ResponseText = HttpRequestText(SearchUrl(s.endpoints, v.编辑框1.GetText()));
  return AppendSongRows(v.超级列表框1, s);
}

void SearchBoxKeyDown(CatalogueView& v, CatalogueState& s, int keyCode, int /*shiftState*/) {
  if (keyCode == kKeyEnter) SearchSongs(v, s);
}

void RequestSuggestions(CatalogueView& v, CatalogueState& s) {
  const Text answer = HttpRequestText(SuggestionUrl(s.endpoints, v.编辑框1.GetText()));
  const bool noSuggestion = FindText(answer, kNoSuggestionMarker) != kNotFound;
  v.列表框1.Clear();
  if (noSuggestion) {
    v.列表框1.SetVisible(false);
    return;
  }
  v.列表框1.SetVisible(true);
  v.列表框1.AddItem(TextBetween(answer, kSuggestionStart, kSuggestionEnd));
}

void TakeSuggestion(CatalogueView& v, CatalogueState& /*s*/) {
  const Text chosen = v.列表框1.ItemText(v.列表框1.CurrentIndex());
  // Setting the text is a change of the search box: its handler may fill the
  // list again here, which the next two steps undo.
  v.编辑框1.SetText(chosen);
  v.列表框1.Clear();
  v.列表框1.SetVisible(false);
}

}  // namespace vexo
