#include "service/chart_order.h"

#include <algorithm>
#include <tuple>

#include "service/service_constants.h"

namespace vexo::service {

namespace {

struct Entry {
  std::size_t index;
  std::uint64_t plays;
  std::uint64_t searches;
  std::int64_t id;
};

// Plays, then id: the common tie-break of every chart.
bool ByPlays(const Entry& a, const Entry& b) {
  return std::tie(b.plays, a.id) < std::tie(a.plays, b.id);
}

}  // namespace

std::optional<std::vector<std::size_t>> ChartOrder(const Catalogue& catalogue, int chart_id) {
  if (chart_id != kChartHot && chart_id != kChartNew && chart_id != kChartOld &&
      chart_id != kChartHotSearches) {
    return std::nullopt;
  }
  // The counts move while requests are served: take them once.
  std::vector<Entry> entries;
  entries.reserve(catalogue.Size());
  for (std::size_t i = 0; i < catalogue.Size(); ++i) {
    entries.push_back({i, catalogue.Plays(i), catalogue.Searches(i), catalogue.At(i).id});
  }
  const auto songs = catalogue.Songs();
  switch (chart_id) {
    case kChartHot:
      std::sort(entries.begin(), entries.end(), ByPlays);
      break;
    case kChartNew:
      std::sort(entries.begin(), entries.end(), [&](const Entry& a, const Entry& b) {
        const auto& da = songs[a.index].added;
        const auto& db = songs[b.index].added;
        return da != db ? da > db : ByPlays(a, b);
      });
      break;
    case kChartOld:
      std::sort(entries.begin(), entries.end(), [&](const Entry& a, const Entry& b) {
        const int ya = songs[a.index].year;
        const int yb = songs[b.index].year;
        if (ya != yb) return ya != 0 && (yb == 0 || ya < yb);
        return ByPlays(a, b);
      });
      break;
    default:
      std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        return a.searches != b.searches ? a.searches > b.searches : ByPlays(a, b);
      });
      break;
  }
  std::vector<std::size_t> order;
  order.reserve(entries.size());
  for (const auto& entry : entries)
    order.push_back(entry.index);
  return order;
}

}  // namespace vexo::service
