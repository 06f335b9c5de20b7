#include "service/service_routes.h"

#include <string>

#include "service/endpoints.h"
#include "service/file_response.h"
#include "service/host_address.h"
#include "service/service_constants.h"
#include "service/service_paths.h"

namespace vexo::service {

namespace {

using httplib::Request;
using httplib::Response;
using HandlerResponse = httplib::Server::HandlerResponse;

void Send(Response& response, const TextReply& reply) {
  response.status = reply.status;
  response.set_content(reply.body, reply.content_type);
}

std::size_t HeaderBytes(const Request& request) {
  std::size_t total = 0;
  for (const auto& [name, value] : request.headers)
    total += name.size() + value.size() + 4;
  return total;
}

// The base address of absolute URLs for `request`: its Host header, or the
// socket's own address for an HTTP/1.0 request without one.
std::optional<std::string> BaseUrlFor(const Request& request) {
  if (request.has_header("Host")) return BaseUrlFromHost(request.get_header_value("Host"));
  if (request.version == "HTTP/1.0") {
    return BaseUrlFromSocket(request.local_addr, request.local_port);
  }
  return std::nullopt;
}

// Checks made before any route: header size and a usable Host header.
HandlerResponse CheckRequest(const Request& request, Response& response) {
  if (HeaderBytes(request) > kMaxHeaderBytes) {
    Send(response, ErrorReply(431, "request header fields too large"));
    return HandlerResponse::Handled;
  }
  if (!BaseUrlFor(request)) {
    Send(response, ErrorReply(400, "missing or malformed Host header"));
    return HandlerResponse::Handled;
  }
  return HandlerResponse::Unhandled;
}

void SendUnavailable(Response& response, std::string_view reason) {
  Send(response, ErrorReply(503, reason));
  response.set_header("Retry-After", std::to_string(kRetryAfterSeconds));
}

std::shared_ptr<const LibraryAccess> WaitForLibrary(const LibraryHolder& library,
                                                    Response& response) {
  auto access = library.Wait(kLibraryWaitLimit);
  if (!access) SendUnavailable(response, "library not available");
  return access;
}

using TextEndpoint =
    std::function<TextReply(const LibraryView&, const QueryString&, const std::string& base_url)>;

httplib::Server::Handler TextRoute(std::shared_ptr<LibraryHolder> library, TextEndpoint answer) {
  return [library, answer](const Request& request, Response& response) {
    const auto query = QueryString::FromTarget(request.target);
    if (!query) {
      Send(response, ErrorReply(400, "malformed query"));
      return;
    }
    const auto base_url = BaseUrlFor(request);
    const auto access = WaitForLibrary(*library, response);
    if (!access) return;
    try {
      Send(response, answer(access->View(), *query, base_url.value_or(std::string())));
    } catch (const StoreError&) {
      // The store is out of reach (a lost database connection): the client
      // may come back shortly.
      SendUnavailable(response, "catalogue store not available");
    }
  };
}

void ServeSongFile(const LibraryHolder& library, const Request& request, Response& response) {
  const auto access = WaitForLibrary(library, response);
  if (!access) return;
  const auto index = access->cache->FindSong(std::stoll(request.matches[1].str()));
  if (!index) {
    Send(response, ErrorReply(404, "no such song"));
    return;
  }
  const bool from_start =
      ServeFile(request, response, access->cache->At(*index).audio_file, "audio/mpeg");
  if (from_start && request.method == "GET") access->View().CountPlay(*index);
}

void ServePictureFile(const LibraryHolder& library, const Request& request, Response& response) {
  const auto access = WaitForLibrary(library, response);
  if (!access) return;
  const auto& catalogue = access->cache;
  const auto index = std::stoul(request.matches[1].str());
  const auto pictures = catalogue->Pictures();
  if (index >= pictures.size()) {
    Send(response, ErrorReply(404, "no such picture"));
    return;
  }
  const auto& file = pictures[index].file;
  ServeFile(request, response, file, PictureContentType(file.extension().string()));
}

// The HTTP library refuses a header line longer than the header bound with a
// bare 400, before it notes the client's address; the request line was read
// by then (its version is valid), so such a refusal is a header too large.
bool HeaderSectionUnreadable(const Request& request, const Response& response) {
  return response.status == 400 && request.remote_addr.empty() && !request.method.empty() &&
         (request.version == "HTTP/1.1" || request.version == "HTTP/1.0");
}

const char* ReasonPhrase(int status) {
  switch (status) {
    case 400:
      return "bad request";
    case 404:
      return "not found";
    case 405:
      return "method not allowed";
    case 413:
      return "payload too large";
    case 414:
      return "request line too long";
    case 416:
      return "range not satisfiable";
    case 431:
      return "request header fields too large";
    case 503:
      return "service unavailable";
    default:
      return "error";
  }
}

}  // namespace

void InstallRoutes(httplib::Server& server, std::shared_ptr<LibraryHolder> library) {
  server.set_pre_routing_handler(CheckRequest);

  server.Get(kChartRoute,
             TextRoute(library, [](const LibraryView& l, const QueryString& q,
                                   const std::string& base) { return ChartAnswer(l, q, base); }));
  server.Get(kSearchRoute,
             TextRoute(library, [](const LibraryView& l, const QueryString& q,
                                   const std::string& base) { return SearchAnswer(l, q, base); }));
  server.Get(kSuggestRoute,
             TextRoute(library, [](const LibraryView& l, const QueryString& q, const std::string&) {
               return SuggestAnswer(l, q);
             }));
  server.Get(kLyricsRoute,
             TextRoute(library, [](const LibraryView& l, const QueryString& q, const std::string&) {
               return LyricsAnswer(l.cache, q);
             }));
  server.Get(kPictureLookupRoute, TextRoute(library, [](const LibraryView& l, const QueryString& q,
                                                        const std::string& base) {
               return PictureLookupAnswer(l.cache, q, base);
             }));
  server.Get(kSongFileRoute, [library](const Request& request, Response& response) {
    ServeSongFile(*library, request, response);
  });
  server.Get(kPictureFileRoute, [library](const Request& request, Response& response) {
    ServePictureFile(*library, request, response);
  });

  // Every refusal gets a short text body naming its reason.
  server.set_error_handler([](const Request& request, Response& response) {
    if (!response.body.empty()) return;
    if (HeaderSectionUnreadable(request, response)) response.status = 431;
    // After a request that could not be read whole, the connection's byte
    // stream cannot be trusted: it is closed rather than kept alive.
    if (request.remote_addr.empty()) response.set_header("Connection", "close");
    const auto reply = ErrorReply(response.status, ReasonPhrase(response.status));
    response.set_content(reply.body, reply.content_type);
  });
  server.set_exception_handler([](const Request&, Response& response, std::exception_ptr) {
    Send(response, ErrorReply(500, "internal error"));
  });
}

}  // namespace vexo::service
