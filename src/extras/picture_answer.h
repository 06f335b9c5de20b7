#pragma once
// The singer picture lookup and the address taken from its answer.
#include <string_view>

#include "platform/text.h"

namespace vexo {

// The lookup URL for `singer`: `baseUrl` ("http://host:port") and the request
// pieces, the singer sent as "%" escapes of its UTF-8 bytes.
Text PictureLookupUrl(std::string_view baseUrl, std::string_view singer);

// The picture's address between {"singerPic":" and the next "}}, markers found
// without regard to letter case and the address taken as spelled; empty when
// either marker is missing.
Text PictureAddressOf(std::string_view answer);

}  // namespace vexo
