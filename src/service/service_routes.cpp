#include "service/service_routes.h"

#include <string>

#include "service/audio_formats.h"
#include "service/embedded_media.h"
#include "service/endpoints.h"
#include "service/file_response.h"
#include "service/host_address.h"
#include "service/service_constants.h"
#include "service/service_paths.h"

namespace vexo::service {

namespace {

void Send(HttpResponse& response, const TextReply& reply) {
  response.status = reply.status;
  response.content_type = reply.content_type;
  response.body = reply.body;
}

HttpResponse Reply(const TextReply& reply) {
  HttpResponse response;
  Send(response, reply);
  return response;
}

// The base address of absolute URLs for `request`: its Host header, or the
// socket's own address for an HTTP/1.0 request without one.
std::optional<std::string> BaseUrlFor(const HttpRequest& request) {
  if (request.HasHeader("Host")) return BaseUrlFromHost(request.Header("Host"));
  if (request.version == 10) return BaseUrlFromSocket(request.local_address, request.local_port);
  return std::nullopt;
}

void SendUnavailable(HttpResponse& response, std::string_view reason) {
  Send(response, ErrorReply(503, reason));
  response.SetHeader("Retry-After", std::to_string(kRetryAfterSeconds));
}

std::shared_ptr<const LibraryAccess> WaitForLibrary(const LibraryHolder& library,
                                                    HttpResponse& response) {
  auto access = library.Wait(kLibraryWaitLimit);
  if (!access) SendUnavailable(response, "library not available");
  return access;
}

using TextEndpoint = TextReply (*)(const LibraryView&, const QueryString&,
                                   const std::string& base_url);

HttpResponse TextRoute(const LibraryHolder& library, const HttpRequest& request,
                       TextEndpoint answer) {
  HttpResponse response;
  const auto query = QueryString::FromTarget(request.target);
  if (!query) {
    Send(response, ErrorReply(400, "malformed query"));
    return response;
  }
  const auto base_url = BaseUrlFor(request);
  const auto access = WaitForLibrary(library, response);
  if (!access) return response;
  try {
    Send(response, answer(access->View(), *query, base_url.value_or(std::string())));
  } catch (const StoreError&) {
    // The store is out of reach (a lost database connection): the client
    // may come back shortly.
    SendUnavailable(response, "catalogue store not available");
  }
  return response;
}

HttpResponse ServeSongFile(const LibraryHolder& library, const HttpRequest& request,
                           std::int64_t id) {
  HttpResponse response;
  const auto access = WaitForLibrary(library, response);
  if (!access) return response;
  const auto index = access->cache->FindSong(id);
  if (!index) return Reply(ErrorReply(404, "no such song"));
  const Song& song = access->cache->At(*index);
  const std::string content_type(ContentTypeOfFormat(song.format));
  const bool from_start = ServeFile(request, response, song.audio_file, content_type.c_str());
  if (from_start && request.method == "GET") access->View().CountPlay(*index);
  return response;
}

HttpResponse ServePictureFile(const LibraryHolder& library, const HttpRequest& request,
                              std::size_t index) {
  HttpResponse response;
  const auto access = WaitForLibrary(library, response);
  if (!access) return response;
  const auto pictures = access->cache->Pictures();
  if (index >= pictures.size()) return Reply(ErrorReply(404, "no such picture"));
  const auto& file = pictures[index].file;
  if (!pictures[index].embedded) {
    ServeFile(request, response, file, PictureContentType(file.extension().string()));
    return response;
  }
  // Read from its music file on each request: nothing to keep current when
  // the file changes, and every service sharing the library sees the same.
  auto picture = ReadEmbeddedPicture(file);
  if (!picture) return Reply(ErrorReply(404, "no such picture"));
  const auto* type = PictureContentType("." + std::string(picture->extension));
  ServeBytes(request, response, std::move(picture->bytes), type);
  return response;
}

TextReply Chart(const LibraryView& l, const QueryString& q, const std::string& base) {
  return ChartAnswer(l, q, base);
}
TextReply Search(const LibraryView& l, const QueryString& q, const std::string& base) {
  return SearchAnswer(l, q, base);
}
TextReply Suggest(const LibraryView& l, const QueryString& q, const std::string&) {
  return SuggestAnswer(l, q);
}
TextReply Lyrics(const LibraryView& l, const QueryString& q, const std::string&) {
  return LyricsAnswer(l.cache, q);
}
TextReply PictureLookup(const LibraryView& l, const QueryString& q, const std::string& base) {
  return PictureLookupAnswer(l.cache, q, base);
}

HttpResponse Route(const LibraryHolder& library, const HttpRequest& request) {
  // A usable Host header comes before anything else.
  if (!BaseUrlFor(request)) return Reply(ErrorReply(400, "missing or malformed Host header"));
  const auto& path = request.path;
  if (IsChartPath(path)) return TextRoute(library, request, Chart);
  if (path == kSearchRoute) return TextRoute(library, request, Search);
  if (path == kSuggestRoute) return TextRoute(library, request, Suggest);
  if (path == kLyricsRoute) return TextRoute(library, request, Lyrics);
  if (path == kPictureLookupRoute) return TextRoute(library, request, PictureLookup);
  if (const auto id = SongFileId(path)) return ServeSongFile(library, request, *id);
  if (const auto index = PictureFileIndex(path)) return ServePictureFile(library, request, *index);
  return Reply(ErrorReply(404, "not found"));
}

}  // namespace

HttpHandler MakeRoutes(std::shared_ptr<LibraryHolder> library) {
  return [library](const HttpRequest& request) { return Route(*library, request); };
}

}  // namespace vexo::service
