#include "service/file_response.h"

#include <algorithm>
#include <fstream>
#include <memory>
#include <vector>

#include "service/byte_range.h"
#include "service/service_constants.h"
#include "service/text_reply.h"

namespace vexo::service {

bool ServeFile(const httplib::Request& request, httplib::Response& response,
               const std::filesystem::path& file, const char* content_type) {
  // The HTTP library would apply the ranges it parsed once more to the
  // answer (and miscounts an unsatisfiable one): the range is resolved here
  // and the library's copy emptied. The request object is the library's own
  // mutable one, handed to handlers as const.
  const auto range_header = request.get_header_value("Range");
  const_cast<httplib::Request&>(request).ranges.clear();

  auto stream = std::make_shared<std::ifstream>(file, std::ios::binary);
  std::error_code ec;
  const auto size = std::filesystem::file_size(file, ec);
  if (!*stream || ec) {
    const auto reply = ErrorReply(404, "not found");
    response.status = reply.status;
    response.set_content(reply.body, reply.content_type);
    return false;
  }

  response.set_header("Accept-Ranges", "bytes");
  ByteRange range;
  const auto kind = ResolveRange(range_header, size, range);
  if (kind == RangeKind::kUnsatisfiable) {
    response.status = 416;
    response.set_header("Content-Range", "bytes */" + std::to_string(size));
    return false;
  }
  if (kind == RangeKind::kPartial) {
    response.status = 206;
    response.set_header("Content-Range", "bytes " + std::to_string(range.first) + "-" +
                                             std::to_string(range.first + range.length - 1) + "/" +
                                             std::to_string(size));
  } else {
    response.status = 200;
  }
  const auto start = range.first;
  response.set_content_provider(
      range.length, content_type,
      [stream, start](std::size_t offset, std::size_t length, httplib::DataSink& sink) {
        std::vector<char> buffer(std::min(length, kFileChunkBytes));
        stream->seekg(static_cast<std::streamoff>(start + offset));
        stream->read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
        const auto got = stream->gcount();
        // A file that shrank while it was sent ends the answer early.
        if (got <= 0) return false;
        return sink.write(buffer.data(), static_cast<std::size_t>(got));
      });
  return range.first == 0;
}

}  // namespace vexo::service
