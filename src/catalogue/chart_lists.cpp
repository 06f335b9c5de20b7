#include "catalogue/chart_lists.h"

#include "catalogue/append_song_rows.h"
#include "catalogue/background_request.h"
#include "catalogue/request_urls.h"
#include "net/http_request.h"
#include "net/script_unescape.h"

namespace vexo {

int ChartId(Chart chart) {
  switch (chart) {
    case Chart::kHot:
      return kHotChartId;
    case Chart::kNew:
      return kNewChartId;
    case Chart::kOld:
      return kOldChartId;
    case Chart::kHotSearches:
      return kHotSearchesChartId;
  }
  return kHotChartId;
}

Button& ChartButton(CatalogueView& v, Chart chart) {
  switch (chart) {
    case Chart::kHot:
      return v.按钮4;
    case Chart::kNew:
      return v.按钮5;
    case Chart::kOld:
      return v.按钮6;
    case Chart::kHotSearches:
      return v.按钮7;
  }
  return v.按钮4;
}

void ClickChartButton(CatalogueView& v, CatalogueState& s, Chart chart) {
  Button& button = ChartButton(v, chart);
  // Each chart loads once per run; a click that was already queued when the
  // button went disabled must not load it again.
  if (button.IsDisabled()) return;
  button.SetDisabled(true);
  s.ChartUrl = ChartUrlFor(s.endpoints, ChartId(chart));
  LoadChart(v, s, &button);
}

void LoadChart(CatalogueView& v, CatalogueState& s, Button* retryButton) {
  const Text url = s.ChartUrl;
  ++s.requestsInFlight;
  // The request and the decoding of its escapes run on the worker; the rows
  // are appended on the user-interface thread once the answer is in.
  RequestInBackground(
      s.lifetime, [url] { return UnescapeScriptText(HttpRequestText(url)); },
      [v, &s, retryButton](Text answer) {
        s.ResponseText = std::move(answer);
        const int songs = AppendSongRows(v.超级列表框1, s);
        // A chart that brought no songs (no answer, or not a chart) may be
        // asked for again.
        if (songs == 0 && retryButton != nullptr) retryButton->SetDisabled(false);
        --s.requestsInFlight;
      });
}

}  // namespace vexo
