#pragma once
// One connection of the HTTP server: reads request heads under a deadline,
// refuses what the service does not take, hands the rest to a worker and
// writes the answers back, keeping the connection for the next request
// while the client wants it. Every step runs on the connection's strand.
#include <boost/beast/core/flat_buffer.hpp>
#include <boost/beast/core/tcp_stream.hpp>
#include <boost/beast/http/empty_body.hpp>
#include <boost/beast/http/parser.hpp>

#include <array>
#include <memory>
#include <optional>
#include <string>

#include "service/http_server_core.h"

namespace vexo::service {

class HttpSession : public std::enable_shared_from_this<HttpSession> {
 public:
  // `admitted`: the connection has a place under the caps; otherwise it is
  // answered 503 and closed.
  HttpSession(boost::asio::ip::tcp::socket socket, std::shared_ptr<HttpServerCore> core,
              std::string address, bool admitted);
  ~HttpSession();

  void Start();
  // The server stops: an idle connection closes now, a busy one after its
  // answer.
  void Close();
  // Closes at once, answer or not.
  void Abort();

 private:
  void ReadHead();
  void OnHead(boost::beast::error_code ec);
  void Refuse(int status, const char* reason);
  void Send(const HttpRequest& request, HttpResponse response, bool keep_alive);
  template <typename Message>
  void Write(std::shared_ptr<Message> message, bool keep_alive);
  template <typename Message, typename Serializer>
  void WriteSome(std::shared_ptr<Message> message, std::shared_ptr<Serializer> serializer,
                 bool keep_alive);
  void AfterAnswer(bool keep_alive);
  void EndGracefully();
  void Drain();

  std::shared_ptr<HttpServerCore> core_;
  boost::beast::tcp_stream stream_;
  boost::beast::flat_buffer buffer_;
  std::optional<boost::beast::http::request_parser<boost::beast::http::empty_body>> parser_;
  std::string address_;
  bool admitted_;
  bool busy_ = false;     // an answer is being made or written
  bool closing_ = false;  // end after the answer under way
  std::size_t served_ = 0;
  std::array<char, 4096> drain_{};
};

}  // namespace vexo::service
