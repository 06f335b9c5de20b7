#pragma once
// Serving a library file over HTTP with Range support.
#include <filesystem>

#include "service/http_exchange.h"

namespace vexo::service {

// Answers `request` with `file`: 200 with the whole file, 206 with
// Content-Range for one satisfiable range, 416 for a range past the end, 404
// when the file cannot be opened. The file is read in chunks while it is sent.
// Returns true when the answer carries the file from its first byte (a play
// of a song starts there).
bool ServeFile(const HttpRequest& request, HttpResponse& response,
               const std::filesystem::path& file, const char* content_type);

// Answers `request` with `bytes` held in memory (a picture taken out of a
// music file), with the same Range support as ServeFile.
void ServeBytes(const HttpRequest& request, HttpResponse& response, std::string bytes,
                const char* content_type);

}  // namespace vexo::service
