#include <algorithm>

#include "service/endpoints.h"
#include "service/json_text.h"
#include "service/search_matching.h"
#include "service/service_constants.h"

namespace vexo::service {

TextReply SuggestAnswer(const LibraryView& library, const QueryString& query) {
  const auto& callback = query.Value("callback");
  if (!IsValidCallback(callback)) return ErrorReply(400, "malformed callback name");
  const auto size = ParseCount(query.Value("size"), kDefaultSuggestionCount);
  if (!size) return ErrorReply(400, "malformed size");
  const auto count = static_cast<std::size_t>(std::min(*size, kMaxPageSize));

  const auto& text = query.Value("q");
  // The data array closes the object: the player reads an answer without
  // suggestions by its ending "data":[]}).
  std::string json = "{\"code\":1,\"q\":";
  AppendJsonString(json, text, JsonStyle::kPlain);
  json += ",\"data\":[";
  bool first = true;
  for (const auto& suggestion :
       SuggestTexts(library.cache, text, count, {&library.store, library.library})) {
    if (!first) json.push_back(',');
    first = false;
    AppendJsonString(json, suggestion, JsonStyle::kPlain);
  }
  json += "]}";
  return JsonpReply(callback, std::move(json));
}

}  // namespace vexo::service
