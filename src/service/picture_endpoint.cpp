#include "service/embedded_media.h"
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
    const auto& picture = catalogue.Pictures()[*index];
    if (!picture.embedded) {
      address = PictureFileUrl(base_url, *index, picture.file.extension().string());
    } else if (const auto embedded = ReadEmbeddedPicture(picture.file)) {
      // Looked at now, so the address names the picture's own type and is
      // only given while the music file still holds it.
      address = PictureFileUrl(base_url, *index, "." + std::string(embedded->extension));
    }
  }
  // The player takes the address as spelled between the markers, so it is
  // written plainly (it holds no character JSON would escape).
  std::string json = "{\"code\":1,\"data\":{\"singerPic\":";
  AppendJsonString(json, address, JsonStyle::kPlain);
  json += "}}";
  return JsonpReply(callback, std::move(json));
}

}  // namespace vexo::service
