#include "extras/picture_answer.h"

#include "extras/extras_constants.h"
#include "net/text_between.h"
#include "net/url_encode.h"

namespace vexo {

Text PictureLookupUrl(std::string_view baseUrl, std::string_view singer) {
  Text url(baseUrl);
  url += kPicturePath;
  url += UrlEncode(singer, true, true);
  url += kPictureQueryTail;
  return url;
}

Text PictureAddressOf(std::string_view answer) {
  return TextBetween(answer, kPictureStartMarker, kPictureEndMarker);
}

}  // namespace vexo
