#include "catalogue/chart_lists.h"

#include "catalogue/append_song_rows.h"
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
  LoadChart(v, s);
}

int LoadChart(CatalogueView& v, CatalogueState& s) {
  s.ResponseText = HttpRequestText(s.ChartUrl);
  s.ResponseText = UnescapeScriptText(s.ResponseText);
  return AppendSongRows(v.超级列表框1, s);
}

}  // namespace vexo
