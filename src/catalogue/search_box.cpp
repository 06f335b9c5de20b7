#include "catalogue/search_box.h"

#include "catalogue/append_song_rows.h"
#include "catalogue/background_request.h"
#include "catalogue/request_urls.h"
#include "catalogue/suggestion_answer.h"
#include "net/http_request.h"
#include "platform/controls/key_codes.h"

namespace vexo {

namespace {

// Sends `url` on a worker and hands the answer to `done` on the
// user-interface thread, counting the request as in flight meanwhile.
void Request(CatalogueState& s, const Text& url, std::function<void(Text)> done) {
  ++s.requestsInFlight;
  RequestInBackground(
      s.lifetime, [url] { return HttpRequestText(url); },
      [&s, done = std::move(done)](Text answer) {
        done(std::move(answer));
        --s.requestsInFlight;
      });
}

}  // namespace

void SearchSongs(CatalogueView& v, CatalogueState& s) {
  Request(s, SearchUrl(s.endpoints, v.编辑框1.GetText()), [v, &s](Text answer) {
    s.ResponseText = std::move(answer);
    AppendSongRows(v.超级列表框1, s);
  });
}

void SearchBoxKeyDown(CatalogueView& v, CatalogueState& s, int keyCode, int /*shiftState*/) {
  if (keyCode == kKeyEnter) SearchSongs(v, s);
}

void RequestSuggestions(CatalogueView& v, CatalogueState& s) {
  if (s.takingSuggestion) return;
  const unsigned request = ++s.latestSuggestion;
  Request(s, SuggestionUrl(s.endpoints, v.编辑框1.GetText()),
          [v, &s, request](Text answer) mutable {
            // A keystroke sent since: this answer belongs to a text no longer in the box.
            if (request != s.latestSuggestion) return;
            ShowSuggestion(v, FirstSuggestion(answer));
          });
}

void ShowSuggestion(CatalogueView& v, const std::optional<Text>& suggestion) {
  v.列表框1.Clear();
  if (!suggestion) {
    v.列表框1.SetVisible(false);
    return;
  }
  v.列表框1.SetVisible(true);
  v.列表框1.AddItem(*suggestion);
}

void TakeSuggestion(CatalogueView& v, CatalogueState& s) {
  const Text chosen = v.列表框1.ItemText(v.列表框1.CurrentIndex());
  // Putting the chosen text into the box asks for nothing, and an answer still
  // on its way for the text typed before is dropped.
  s.takingSuggestion = true;
  v.编辑框1.SetText(chosen);
  s.takingSuggestion = false;
  ++s.latestSuggestion;
  v.列表框1.Clear();
  v.列表框1.SetVisible(false);
}

}  // namespace vexo
