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

std::shared_ptr<Catalogue> WaitForLibrary(const LibraryHolder& library, Response& response) {
  auto catalogue = library.Wait(kLibraryWaitLimit);
  if (!catalogue) {
    Send(response, ErrorReply(503, "library not available"));
    response.set_header("Retry-After", "5");
  }
  return catalogue;
}

using TextEndpoint =
    std::function<TextReply(Catalogue&, const QueryString&, const std::string& base_url)>;

httplib::Server::Handler TextRoute(std::shared_ptr<LibraryHolder> library, TextEndpoint answer) {
  return [library, answer](const Request& request, Response& response) {
    const auto query = QueryString::FromTarget(request.target);
    if (!query) {
      Send(response, ErrorReply(400, "malformed query"));
      return;
    }
    const auto base_url = BaseUrlFor(request);
    auto catalogue = WaitForLibrary(*library, response);
    if (!catalogue) return;
    Send(response, answer(*catalogue, *query, base_url.value_or(std::string())));
  };
}

void ServeSongFile(const LibraryHolder& library, const Request& request, Response& response) {
  auto catalogue = WaitForLibrary(library, response);
  if (!catalogue) return;
  const auto index = catalogue->FindSong(std::stoll(request.matches[1].str()));
  if (!index) {
    Send(response, ErrorReply(404, "no such song"));
    return;
  }
  const bool from_start =
      ServeFile(request, response, catalogue->At(*index).audio_file, "audio/mpeg");
  if (from_start && request.method == "GET") catalogue->CountPlay(*index);
}

void ServePictureFile(const LibraryHolder& library, const Request& request, Response& response) {
  auto catalogue = WaitForLibrary(library, response);
  if (!catalogue) return;
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
             TextRoute(library, [](Catalogue& c, const QueryString& q, const std::string& base) {
               return ChartAnswer(c, q, base);
             }));
  server.Get(kSearchRoute,
             TextRoute(library, [](Catalogue& c, const QueryString& q, const std::string& base) {
               return SearchAnswer(c, q, base);
             }));
  server.Get(kSuggestRoute,
             TextRoute(library, [](Catalogue& c, const QueryString& q, const std::string&) {
               return SuggestAnswer(c, q);
             }));
  server.Get(kLyricsRoute,
             TextRoute(library, [](Catalogue& c, const QueryString& q, const std::string&) {
               return LyricsAnswer(c, q);
             }));
  server.Get(kPictureLookupRoute,
             TextRoute(library, [](Catalogue& c, const QueryString& q, const std::string& base) {
               return PictureLookupAnswer(c, q, base);
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
