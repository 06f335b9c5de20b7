#include "service/chart_order.h"
#include "service/endpoints.h"
#include "service/paging.h"
#include "service/song_record.h"

namespace vexo::service {

TextReply ChartAnswer(const Catalogue& catalogue, const QueryString& query,
                      std::string_view base_url) {
  if (!query.Has("id")) return ErrorReply(400, "missing chart id");
  const auto chart_id = ParseCount(query.Value("id"), -1);
  if (!chart_id || *chart_id < 0) return ErrorReply(400, "malformed chart id");
  const auto paging = ReadPaging(query);
  if (!paging) return ErrorReply(400, "malformed page or size");

  const auto order = ChartOrder(catalogue, *chart_id);
  const auto page = order ? paging->Slice(*order) : std::vector<std::size_t>{};
  std::string json = "{\"code\":1,\"id\":" + std::to_string(*chart_id) +
                     ",\"page\":" + std::to_string(paging->page) +
                     ",\"size\":" + std::to_string(paging->size) +
                     ",\"total\":" + std::to_string(order ? order->size() : 0) + ",\"data\":[";
  for (std::size_t i = 0; i < page.size(); ++i) {
    if (i > 0) json.push_back(',');
    AppendSongRecord(json, catalogue, page[i], base_url, JsonStyle::kEscaped);
  }
  json += "]}";
  return {200, kJsonContentType, std::move(json)};
}

}  // namespace vexo::service
