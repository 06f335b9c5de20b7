#pragma once
// One HTTP request as the service's routes see it, and the answer they give,
// independent of the server library underneath.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vexo::service {

struct HttpRequest {
  std::string method;  // "GET", "HEAD"
  std::string target;  // as sent: path and query
  std::string path;    // the target's path, percent-decoded
  int version = 11;    // 10 for HTTP/1.0, 11 for HTTP/1.1
  std::vector<std::pair<std::string, std::string>> headers;
  std::string remote_address;
  std::string local_address;
  int local_port = 0;

  // The first header named `name` (letter case ignored); empty when absent.
  std::string Header(std::string_view name) const;
  bool HasHeader(std::string_view name) const;
  // Bytes of the header lines, as sent.
  std::size_t HeaderBytes() const;
};

struct HttpResponse {
  int status = 200;
  std::string content_type;
  std::vector<std::pair<std::string, std::string>> headers;
  std::string body;
  // When set, the body is this part of a file instead.
  std::filesystem::path file;
  std::uint64_t file_offset = 0;
  std::uint64_t file_length = 0;
  // The connection ends after this answer.
  bool close = false;

  void SetHeader(std::string name, std::string value);
  std::uint64_t BodyLength() const { return file.empty() ? body.size() : file_length; }
};

// The service's answer to one request. Called on a worker thread.
using HttpHandler = std::function<HttpResponse(const HttpRequest&)>;
// Told of each answered request.
using HttpLogger = std::function<void(const HttpRequest&, const HttpResponse&)>;

// `path` with its %XX escapes decoded; an escape that is not one stays as
// it is.
std::string DecodePath(std::string_view path);

}  // namespace vexo::service
