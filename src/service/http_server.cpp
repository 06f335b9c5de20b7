#include "service/http_server.h"

#include <sys/resource.h>
#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/post.hpp>
#include <boost/asio/strand.hpp>

#include <algorithm>

#include "service/http_session.h"
#include "service/service_constants.h"

namespace vexo::service {

namespace asio = boost::asio;
using asio::ip::tcp;

namespace {

// The connection cap, within the process's limit of open files.
std::size_t ConnectionLimit() {
  rlimit limit{};
  if (getrlimit(RLIMIT_NOFILE, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY) {
    return kMaxConnections;
  }
  const auto room = static_cast<std::size_t>(limit.rlim_cur);
  return std::min(kMaxConnections,
                  room > 2 * kReservedDescriptors ? room - kReservedDescriptors : room / 2);
}

}  // namespace

HttpServerCore::HttpServerCore()
    : workers(kWorkerThreads), caps(ConnectionLimit(), kMaxConnectionsPerAddress) {}

void HttpServerCore::Accept() {
  acceptor.async_accept(
      asio::make_strand(io),
      [self = shared_from_this()](boost::system::error_code ec, tcp::socket socket) {
        if (ec == asio::error::operation_aborted || self->stopping) return;
        if (ec) {
          // Out of descriptors or memory for a moment: pause instead of
          // spinning on the same failure.
          self->accept_pause.expires_after(std::chrono::milliseconds(50));
          self->accept_pause.async_wait([self](boost::system::error_code wait_ec) {
            if (!wait_ec && !self->stopping) self->Accept();
          });
          return;
        }
        boost::system::error_code option_ec;
        socket.set_option(tcp::no_delay(true), option_ec);
        const auto remote = socket.remote_endpoint(option_ec);
        const auto address = option_ec ? std::string() : remote.address().to_string();
        const bool admitted = self->caps.Admit(address);
        if (admitted || self->refusing.fetch_add(1) < kMaxRefusals) {
          std::make_shared<HttpSession>(std::move(socket), self, address, admitted)->Start();
        } else {
          --self->refusing;  // too many refusals at once: closed unanswered
        }
        self->Accept();
      });
}

void HttpServerCore::Register(const std::shared_ptr<HttpSession>& session) {
  std::lock_guard lock(sessions_mutex);
  sessions.emplace(session.get(), session);
}

void HttpServerCore::Unregister(HttpSession* session) {
  {
    std::lock_guard lock(sessions_mutex);
    sessions.erase(session);
  }
  sessions_ended.notify_all();
}

struct HttpServer::State {
  std::shared_ptr<HttpServerCore> core = std::make_shared<HttpServerCore>();
  int port = 0;
  bool running = false;
};

HttpServer::HttpServer() : state_(std::make_shared<State>()) {}

HttpServer::~HttpServer() {
  Stop();
}

bool HttpServer::Bind(const std::string& host, int port) {
  if (port < 0 || port > 65535) return false;
  auto& acceptor = state_->core->acceptor;
  boost::system::error_code ec;
  tcp::resolver resolver(state_->core->io);
  const auto found = resolver.resolve(host, std::to_string(port),
                                      tcp::resolver::passive | tcp::resolver::numeric_service, ec);
  if (ec || found.empty()) return false;
  const tcp::endpoint endpoint = *found.begin();
  acceptor.open(endpoint.protocol(), ec);
  if (ec) return false;
  // A quick rebind after a restart is wanted; sharing a port in use is not
  // (no SO_REUSEPORT).
  acceptor.set_option(tcp::acceptor::reuse_address(true), ec);
  acceptor.bind(endpoint, ec);
  if (!ec) acceptor.listen(asio::socket_base::max_listen_connections, ec);
  if (ec) {
    acceptor.close(ec);
    return false;
  }
  state_->port = acceptor.local_endpoint(ec).port();
  return !ec;
}

int HttpServer::Port() const {
  return state_->port;
}

void HttpServer::Start(HttpHandler handler, HttpLogger log) {
  auto& core = *state_->core;
  if (state_->running || !core.acceptor.is_open()) return;
  state_->running = true;
  core.handler = std::move(handler);
  core.log = std::move(log);
  core.running.emplace(core.io.get_executor());
  core.Accept();
  for (int i = 0; i < kIoThreads; ++i)
    core.io_threads.emplace_back([&core] { core.io.run(); });
}

namespace {

// The open connections, held for a moment outside the list's lock.
std::vector<std::shared_ptr<HttpSession>> OpenSessions(HttpServerCore& core) {
  std::vector<std::shared_ptr<HttpSession>> open;
  std::lock_guard lock(core.sessions_mutex);
  for (const auto& [raw, weak] : core.sessions) {
    if (auto session = weak.lock()) open.push_back(std::move(session));
  }
  return open;
}

}  // namespace

void HttpServer::Stop() {
  auto core = state_->core;
  if (!state_->running) {
    boost::system::error_code ec;
    core->acceptor.close(ec);
    return;
  }
  state_->running = false;
  core->stopping = true;
  asio::post(core->acceptor.get_executor(), [core] {
    boost::system::error_code ec;
    core->acceptor.close(ec);
    core->accept_pause.cancel();
  });
  auto all_ended = [&] {
    std::unique_lock lock(core->sessions_mutex);
    return core->sessions_ended.wait_for(lock, kStopLimit, [&] { return core->sessions.empty(); });
  };
  for (const auto& session : OpenSessions(*core))
    session->Close();
  if (!all_ended()) {
    // Answers that did not finish in time are cut off.
    for (const auto& session : OpenSessions(*core))
      session->Abort();
    while (!all_ended()) {
    }
  }
  core->workers.join();
  // With the acceptor closed and every connection gone the threads run out
  // of work and end.
  core->running.reset();
  for (auto& thread : core->io_threads)
    thread.join();
  core->io_threads.clear();
}

}  // namespace vexo::service
