#include "service/file_response.h"

#include <fstream>

#include "service/byte_range.h"
#include "service/text_reply.h"

namespace vexo::service {

namespace {

// Sets the status and range headers of an answer carrying `size` bytes;
// false (a 416 answer) when the requested range lies past the end.
bool AnswerRange(const HttpRequest& request, HttpResponse& response, std::uint64_t size,
                 ByteRange& range) {
  response.SetHeader("Accept-Ranges", "bytes");
  const auto kind = ResolveRange(request.Header("Range"), size, range);
  if (kind == RangeKind::kUnsatisfiable) {
    response.status = 416;
    response.SetHeader("Content-Range", "bytes */" + std::to_string(size));
    return false;
  }
  if (kind == RangeKind::kPartial) {
    response.status = 206;
    response.SetHeader("Content-Range", "bytes " + std::to_string(range.first) + "-" +
                                            std::to_string(range.first + range.length - 1) + "/" +
                                            std::to_string(size));
  } else {
    response.status = 200;
  }
  return true;
}

}  // namespace

bool ServeFile(const HttpRequest& request, HttpResponse& response,
               const std::filesystem::path& file, const char* content_type) {
  std::error_code ec;
  const auto size = std::filesystem::file_size(file, ec);
  if (ec || !std::ifstream(file, std::ios::binary)) {
    const auto reply = ErrorReply(404, "not found");
    response.status = reply.status;
    response.content_type = reply.content_type;
    response.body = reply.body;
    return false;
  }

  ByteRange range;
  if (!AnswerRange(request, response, size, range)) return false;
  response.content_type = content_type;
  response.file = file;
  response.file_offset = range.first;
  response.file_length = range.length;
  return range.first == 0;
}

void ServeBytes(const HttpRequest& request, HttpResponse& response, std::string bytes,
                const char* content_type) {
  ByteRange range;
  if (!AnswerRange(request, response, bytes.size(), range)) return;
  response.content_type = content_type;
  response.body = bytes.substr(range.first, range.length);
}

}  // namespace vexo::service
