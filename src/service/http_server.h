#pragma once
// The HTTP side of the service: an event-driven server (Boost.Beast over
// Asio). A few threads carry every connection's reading and writing, so a
// connection that trickles its request costs a buffer and a timer, never a
// thread; the answers are worked out on a pool of worker threads. Each
// request head must arrive whole within a deadline; connections are capped
// in total and per client address, and refused beyond the caps with an
// immediate 503; methods and bodies the service does not take are refused
// at once (405, 411, 413), as are request lines and header sections beyond
// their bounds (414, 431).
#include <memory>
#include <string>

#include "service/http_exchange.h"

namespace vexo::service {

struct HttpServerLimits;

class HttpServer {
 public:
  HttpServer();
  ~HttpServer();
  HttpServer(const HttpServer&) = delete;
  HttpServer& operator=(const HttpServer&) = delete;

  // Binds `host`:`port` (0: a free port). False when it cannot, or when the
  // port is taken.
  bool Bind(const std::string& host, int port);
  int Port() const;
  // Starts serving with `handler`; `log` (may be empty) hears of each answer.
  void Start(HttpHandler handler, HttpLogger log);
  // Stops accepting, lets the answers under way finish (for a few seconds at
  // most), closes every connection and joins the threads.
  void Stop();

 private:
  struct State;
  std::shared_ptr<State> state_;
};

}  // namespace vexo::service
