#pragma once
// What the server's connections share: the threads, the caps, the handler
// and the list of open connections (for stopping). Used by http_server.cpp
// and http_session.cpp only.
#include <boost/asio/executor_work_guard.hpp>
#include <boost/asio/io_context.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/steady_timer.hpp>
#include <boost/asio/thread_pool.hpp>

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <unordered_map>
#include <vector>

#include "service/connection_caps.h"
#include "service/http_exchange.h"

namespace vexo::service {

class HttpSession;

struct HttpServerCore : std::enable_shared_from_this<HttpServerCore> {
  HttpServerCore();

  void Accept();
  void Register(const std::shared_ptr<HttpSession>& session);
  void Unregister(HttpSession* session);

  boost::asio::io_context io;
  // Keeps the event-loop threads running while answers are being worked out
  // on the workers (which is no work of the loop's own) until the server
  // stops.
  std::optional<boost::asio::executor_work_guard<boost::asio::io_context::executor_type>> running;
  boost::asio::ip::tcp::acceptor acceptor{io};
  boost::asio::steady_timer accept_pause{io};
  boost::asio::thread_pool workers;
  std::vector<std::thread> io_threads;
  HttpHandler handler;
  HttpLogger log;
  ConnectionCaps caps;
  // Refusals (over a cap) still being answered, bounded as well.
  std::atomic<std::size_t> refusing{0};
  std::atomic<bool> stopping{false};

  std::mutex sessions_mutex;
  std::condition_variable sessions_ended;
  std::unordered_map<HttpSession*, std::weak_ptr<HttpSession>> sessions;
};

}  // namespace vexo::service
