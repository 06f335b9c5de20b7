#pragma once
// The four chart buttons above the song list: each loads the first page of its
// chart once per run and then stays disabled.
#include "catalogue/catalogue_view.h"

namespace vexo {

enum class Chart { kHot, kNew, kOld, kHotSearches };

// The service's chart ids: 热歌榜, 新歌榜, 老歌榜, 热搜榜.
inline constexpr int kHotChartId = 111;
inline constexpr int kNewChartId = 112;
inline constexpr int kOldChartId = 943;
inline constexpr int kHotSearchesChartId = 969;

int ChartId(Chart chart);
// The button that loads `chart`: 按钮4 to 按钮7.
Button& ChartButton(CatalogueView& v, Chart chart);

// Click on a chart button: disables it, sets `s.ChartUrl` to the chart's
// address and loads it. A button already disabled loads nothing. A chart that
// brings no songs enables its button again so that it can be retried; one
// that loaded stays disabled for the rest of the run.
void ClickChartButton(CatalogueView& v, CatalogueState& s, Chart chart);

// Requests `s.ChartUrl` on a worker and returns at once. Once the answer is
// in, its escapes decoded, it becomes `s.ResponseText` and its songs are
// appended (on the user-interface thread). A failed request or an answer the
// decoder refuses appends nothing and enables `retryButton` again, if given.
void LoadChart(CatalogueView& v, CatalogueState& s, Button* retryButton = nullptr);

}  // namespace vexo
