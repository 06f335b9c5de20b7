#include "service/http_session.h"

#include <boost/asio/dispatch.hpp>
#include <boost/asio/post.hpp>
#include <boost/beast/http/read.hpp>
#include <boost/beast/http/serializer.hpp>
#include <boost/beast/http/string_body.hpp>
#include <boost/beast/http/write.hpp>

#include "service/range_file_body.h"
#include "service/service_constants.h"
#include "service/text_reply.h"

namespace vexo::service {

namespace asio = boost::asio;
namespace beast = boost::beast;
namespace http = beast::http;

namespace {

// The request's head as the routes see it.
HttpRequest ToRequest(const http::request<http::empty_body>& message,
                      const asio::ip::tcp::socket& socket, const std::string& address) {
  HttpRequest request;
  request.method = std::string(message.method_string());
  request.target = std::string(message.target());
  request.path = DecodePath(request.target.substr(0, request.target.find('?')));
  request.version = message.version();
  for (const auto& field : message)
    request.headers.emplace_back(std::string(field.name_string()), std::string(field.value()));
  request.remote_address = address;
  beast::error_code ec;
  const auto local = socket.local_endpoint(ec);
  if (!ec) {
    request.local_address = local.address().to_string();
    request.local_port = local.port();
  }
  return request;
}

HttpResponse ErrorResponse(int status, const char* reason) {
  const auto reply = ErrorReply(status, reason);
  HttpResponse response;
  response.status = reply.status;
  response.content_type = reply.content_type;
  response.body = reply.body;
  return response;
}

template <typename Message>
void CopyHeaders(const HttpResponse& response, Message& message) {
  message.result(static_cast<unsigned>(response.status));
  if (!response.content_type.empty()) message.set(http::field::content_type, response.content_type);
  for (const auto& [name, value] : response.headers)
    message.set(name, value);
}

}  // namespace

HttpSession::HttpSession(asio::ip::tcp::socket socket, std::shared_ptr<HttpServerCore> core,
                         std::string address, bool admitted)
    : core_(std::move(core)),
      stream_(std::move(socket)),
      address_(std::move(address)),
      admitted_(admitted) {}

HttpSession::~HttpSession() {
  if (admitted_) {
    core_->caps.Release(address_);
  } else {
    --core_->refusing;
  }
  core_->Unregister(this);
}

void HttpSession::Start() {
  core_->Register(shared_from_this());
  asio::dispatch(stream_.get_executor(), [self = shared_from_this()] {
    if (self->admitted_) {
      self->ReadHead();
    } else {
      self->Refuse(503, "too many connections");
    }
  });
}

void HttpSession::Close() {
  asio::post(stream_.get_executor(), [self = shared_from_this()] {
    if (self->busy_) {
      self->closing_ = true;
      return;
    }
    beast::error_code ec;
    self->stream_.socket().close(ec);
  });
}

void HttpSession::Abort() {
  asio::post(stream_.get_executor(), [self = shared_from_this()] {
    self->closing_ = true;
    beast::error_code ec;
    self->stream_.socket().close(ec);
  });
}

void HttpSession::ReadHead() {
  if (closing_ || core_->stopping) {
    EndGracefully();
    return;
  }
  parser_.emplace();
  // Room for the longest request line and header section allowed; the
  // checks after reading tell the two apart.
  parser_->header_limit(static_cast<std::uint32_t>(kMaxRequestLine + kMaxHeaderBytes + 4));
  // The whole head must arrive within the deadline, however it trickles.
  stream_.expires_after(kHeadDeadline);
  http::async_read_header(
      stream_, buffer_, *parser_,
      [self = shared_from_this()](beast::error_code ec, std::size_t) { self->OnHead(ec); });
}

void HttpSession::OnHead(beast::error_code ec) {
  if (ec == http::error::header_limit) {
    // A request line that does not end within its bound is too long itself;
    // otherwise the header lines are.
    const auto data = buffer_.cdata();
    const std::string_view head(static_cast<const char*>(data.data()),
                                std::min(data.size(), kMaxRequestLine + 2));
    if (head.find("\r\n") == std::string_view::npos) {
      Refuse(414, "request line too long");
    } else {
      Refuse(431, "request header fields too large");
    }
    return;
  }
  if (ec == http::error::end_of_stream || ec == beast::error::timeout ||
      ec == asio::error::operation_aborted || ec == asio::error::connection_reset ||
      ec == asio::error::eof) {
    // Gone, out of time, or stopped: nothing to answer.
    beast::error_code ignored;
    stream_.socket().close(ignored);
    return;
  }
  if (ec) {
    // A head that arrived but does not parse is answered; anything else
    // (the client left mid-head) is not.
    const bool malformed =
        ec.category() == http::make_error_code(http::error::bad_target).category() &&
        ec != http::error::partial_message;
    if (malformed) {
      Refuse(400, "bad request");
    } else {
      stream_.socket().close(ec);
    }
    return;
  }
  stream_.expires_never();
  const auto& message = parser_->get();
  HttpRequest request = ToRequest(message, stream_.socket(), address_);

  if (request.target.size() > kMaxRequestLine) return Refuse(414, "request line too long");
  if (request.HeaderBytes() > kMaxHeaderBytes) {
    return Refuse(431, "request header fields too large");
  }
  if (message.method() != http::verb::get && message.method() != http::verb::head) {
    return Refuse(405, "method not allowed");
  }
  // The service takes no request bodies: one of unknown length is refused
  // as such, any other as too large.
  if (parser_->chunked() || message.count(http::field::transfer_encoding) > 0) {
    return Refuse(411, "length required");
  }
  if (parser_->content_length().value_or(0) > 0) return Refuse(413, "payload too large");

  busy_ = true;
  ++served_;
  const bool keep_alive =
      message.keep_alive() && served_ < kKeepAliveMaxRequests && !core_->stopping;
  asio::post(core_->workers, [self = shared_from_this(), request = std::move(request),
                              keep_alive]() mutable {
    HttpResponse response;
    try {
      response = self->core_->handler(request);
    } catch (const std::exception&) {
      response = ErrorResponse(500, "internal error");
    }
    asio::post(self->stream_.get_executor(),
               [self, request = std::move(request), response = std::move(response),
                keep_alive]() mutable { self->Send(request, std::move(response), keep_alive); });
  });
}

void HttpSession::Refuse(int status, const char* reason) {
  HttpResponse response = ErrorResponse(status, reason);
  if (status == 405) response.SetHeader("Allow", "GET, HEAD");
  if (status == 503) response.SetHeader("Retry-After", std::to_string(kRetryAfterSeconds));
  // What follows a refused head (a body, the rest of a long line) is not
  // read: the connection ends after the answer.
  response.close = true;
  busy_ = true;
  HttpRequest request;
  request.remote_address = address_;
  if (parser_ && parser_->is_header_done()) {
    request.method = std::string(parser_->get().method_string());
    request.target = std::string(parser_->get().target());
  }
  Send(request, std::move(response), false);
}

void HttpSession::Send(const HttpRequest& request, HttpResponse response, bool keep_alive) {
  keep_alive = keep_alive && !response.close && !closing_;
  const unsigned version = parser_ && parser_->is_header_done() ? parser_->get().version() : 11;
  const bool head_only = request.method == "HEAD";
  if (core_->log) core_->log(request, response);

  if (!response.file.empty() && !head_only) {
    auto message = std::make_shared<http::response<RangeFileBody>>();
    beast::error_code ec;
    message->body().file.open(response.file.c_str(), beast::file_mode::scan, ec);
    if (!ec) {
      message->version(version);
      CopyHeaders(response, *message);
      message->body().offset = response.file_offset;
      message->body().length = response.file_length;
      message->keep_alive(keep_alive);
      message->prepare_payload();
      Write(std::move(message), keep_alive);
      return;
    }
    response = ErrorResponse(404, "not found");
  }
  if (head_only) {
    auto message = std::make_shared<http::response<http::empty_body>>();
    message->version(version);
    CopyHeaders(response, *message);
    message->content_length(response.BodyLength());
    message->keep_alive(keep_alive);
    Write(std::move(message), keep_alive);
    return;
  }
  auto message = std::make_shared<http::response<http::string_body>>();
  message->version(version);
  CopyHeaders(response, *message);
  message->body() = std::move(response.body);
  message->keep_alive(keep_alive);
  message->prepare_payload();
  Write(std::move(message), keep_alive);
}

template <typename Message>
void HttpSession::Write(std::shared_ptr<Message> message, bool keep_alive) {
  using Serializer = http::serializer<false, typename Message::body_type>;
  WriteSome(message, std::make_shared<Serializer>(*message), keep_alive);
}

// Writes a piece at a time, each within the write deadline: a client that
// reads slowly is served, one that stops reading is let go.
template <typename Message, typename Serializer>
void HttpSession::WriteSome(std::shared_ptr<Message> message,
                            std::shared_ptr<Serializer> serializer, bool keep_alive) {
  stream_.expires_after(kWriteIdleLimit);
  http::async_write_some(stream_, *serializer,
                         [self = shared_from_this(), message, serializer, keep_alive](
                             beast::error_code ec, std::size_t) {
                           if (ec) {
                             beast::error_code ignored;
                             self->stream_.socket().close(ignored);
                             return;
                           }
                           if (!serializer->is_done()) {
                             self->WriteSome(message, serializer, keep_alive);
                             return;
                           }
                           self->AfterAnswer(keep_alive);
                         });
}

void HttpSession::AfterAnswer(bool keep_alive) {
  busy_ = false;
  if (keep_alive && !closing_) {
    ReadHead();
  } else {
    EndGracefully();
  }
}

// Ends the sending side and reads what the client still sends, for a short
// while, before closing: closing with unread bytes would reset the
// connection and could take the answer with it.
void HttpSession::EndGracefully() {
  beast::error_code ec;
  stream_.socket().shutdown(asio::ip::tcp::socket::shutdown_send, ec);
  if (ec) {
    stream_.socket().close(ec);
    return;
  }
  stream_.expires_after(kLingerLimit);
  Drain();
}

void HttpSession::Drain() {
  stream_.async_read_some(asio::buffer(drain_),
                          [self = shared_from_this()](beast::error_code ec, std::size_t) {
                            if (ec) {
                              beast::error_code ignored;
                              self->stream_.socket().close(ignored);
                              return;
                            }
                            self->Drain();
                          });
}

}  // namespace vexo::service
