#include "service/endpoints.h"
#include "service/json_text.h"
#include "service/service_paths.h"

namespace vexo::service {

TextReply PictureLookupAnswer(const Catalogue& catalogue, const QueryString& query,
                              std::string_view base_url) {
  const auto& callback = query.Value("callback");
  if (!IsValidCallback(callback)) return ErrorReply(400, "malformed callback name");

  std::string address;
  if (const auto index = catalogue.FindPicture(query.Value("artist"))) {
    const auto& file = catalogue.Pictures()[*index].file;
    address = PictureFileUrl(base_url, *index, file.extension().string());
  }
  // The player takes the address as spelled between the markers, so it is
  // written plainly (it holds no character JSON would escape).
  std::string json = "{\"code\":1,\"data\":{\"singerPic\":";
  AppendJsonString(json, address, JsonStyle::kPlain);
  json += "}}";
  return JsonpReply(callback, std::move(json));
}

}  // namespace vexo::service
