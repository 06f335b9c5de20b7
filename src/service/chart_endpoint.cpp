#include "service/endpoints.h"
#include "service/paging.h"
#include "service/song_record.h"

namespace vexo::service {

TextReply ChartAnswer(const LibraryView& library, const QueryString& query,
                      std::string_view base_url) {
  if (!query.Has("id")) return ErrorReply(400, "missing chart id");
  const auto chart_id = ParseCount(query.Value("id"), -1);
  if (!chart_id || *chart_id < 0) return ErrorReply(400, "malformed chart id");
  const auto paging = ReadPaging(query);
  if (!paging) return ErrorReply(400, "malformed page or size");

  std::size_t total = 0;
  const auto places = library.store.Chart(library.library, *chart_id, paging->Offset(),
                                          static_cast<std::size_t>(paging->size), total);
  std::string json = "{\"code\":1,\"id\":" + std::to_string(*chart_id) +
                     ",\"page\":" + std::to_string(paging->page) +
                     ",\"size\":" + std::to_string(paging->size) +
                     ",\"total\":" + std::to_string(total) + ",\"data\":[";
  bool first = true;
  for (const auto& place : places) {
    // A song the cache does not hold yet shows once the cache is rebuilt.
    const auto index = library.cache.FindSong(place.id);
    if (!index) continue;
    if (!first) json.push_back(',');
    first = false;
    AppendSongRecord(json, library.cache, *index, base_url, JsonStyle::kEscaped, place.plays);
  }
  json += "]}";
  return {200, kJsonContentType, std::move(json)};
}

}  // namespace vexo::service
