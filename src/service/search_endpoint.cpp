#include "service/endpoints.h"
#include "service/json_text.h"
#include "service/paging.h"
#include "service/search_matching.h"
#include "service/song_record.h"

namespace vexo::service {

TextReply SearchAnswer(const LibraryView& library, const QueryString& query,
                       std::string_view base_url) {
  const Catalogue& catalogue = library.cache;
  const auto& callback = query.Value("callback");
  if (!IsValidCallback(callback)) return ErrorReply(400, "malformed callback name");
  const auto paging = ReadPaging(query);
  if (!paging) return ErrorReply(400, "malformed page or size");

  const auto& text = query.Value("q");
  const auto found =
      SearchSongsPage(catalogue, text, paging->Offset(), static_cast<std::size_t>(paging->size),
                      {&library.store, library.library});
  const auto& page = found.songs;
  if (paging->page == 1 && !page.empty()) library.CountSearch(page.front());

  std::string json = "{\"code\":1,\"q\":";
  AppendJsonString(json, text, JsonStyle::kPlain);
  json += ",\"page\":" + std::to_string(paging->page) +
          ",\"size\":" + std::to_string(paging->size) +
          ",\"total\":" + std::to_string(found.total) + ",\"data\":[";
  for (std::size_t i = 0; i < page.size(); ++i) {
    if (i > 0) json.push_back(',');
    AppendSongRecord(json, catalogue, page[i], base_url, JsonStyle::kPlain);
  }
  json += "]}";
  return JsonpReply(callback, std::move(json));
}

}  // namespace vexo::service
