#include "loopback_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <thread>

namespace vexo::testing {

LoopbackServer::LoopbackServer() {
  // A request is numbered when it arrives and recorded, in arrival order,
  // once its response went out: the response of one request can reach the
  // client, and its next request be answered on another thread, before the
  // first request's thread gets to record it.
  server_.set_pre_routing_handler([this](const httplib::Request& req, httplib::Response&) {
    std::lock_guard lock(mutex_);
    arrivals_[&req] = nextArrival_++;
    return httplib::Server::HandlerResponse::Unhandled;
  });
  server_.set_logger([this](const httplib::Request& req, const httplib::Response&) {
    {
      std::lock_guard lock(mutex_);
      std::size_t arrival = nextArrival_++;
      if (auto it = arrivals_.find(&req); it != arrivals_.end()) {
        arrival = it->second;
        arrivals_.erase(it);
      }
      RecordedRequest record{req.method, req.target, req.body, req.headers, arrival};
      auto at = std::upper_bound(
          requests_.begin(), requests_.end(), arrival,
          [](std::size_t value, const RecordedRequest& other) { return value < other.arrival; });
      requests_.insert(at, std::move(record));
    }
    recorded_.notify_all();
  });
}

LoopbackServer::~LoopbackServer() {
  // A stop that came before the accept loop began would not end it.
  while (thread_.joinable() && !server_.is_running())
    std::this_thread::yield();
  server_.stop();
  if (thread_.joinable()) thread_.join();
}

void LoopbackServer::Start() {
  // Bound and listening once this returns: connections queue until the
  // accepting thread takes them.
  port_ = server_.bind_to_any_port("127.0.0.1");
  thread_ = std::thread([this] { server_.listen_after_bind(); });
}

std::string LoopbackServer::Url(const std::string& pathAndQuery) const {
  return "http://127.0.0.1:" + std::to_string(port_) + pathAndQuery;
}

std::vector<RecordedRequest> LoopbackServer::Requests(std::size_t atLeast) const {
  constexpr auto kDeadline = std::chrono::seconds(5);
  std::unique_lock lock(mutex_);
  recorded_.wait_for(lock, kDeadline, [&] { return requests_.size() >= atLeast; });
  return requests_;
}

RawServer::RawServer(std::string response, bool silent)
    : RawServer(RawBehaviour{std::move(response), silent}) {}

RawServer::RawServer(RawBehaviour behaviour) : behaviour_(std::move(behaviour)) {
  listener_ = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  addr.sin_port = 0;
  if (::bind(listener_, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 ||
      ::listen(listener_, 16) != 0) {
    std::abort();
  }
  socklen_t len = sizeof addr;
  ::getsockname(listener_, reinterpret_cast<sockaddr*>(&addr), &len);
  port_ = ntohs(addr.sin_port);
  thread_ = std::thread([this] { Serve(); });
}

RawServer::~RawServer() {
  stopping_ = true;
  if (thread_.joinable()) thread_.join();
  for (int fd : held_)
    ::close(fd);
  ::close(listener_);
}

std::string RawServer::Url(const std::string& pathAndQuery) const {
  return "http://127.0.0.1:" + std::to_string(port_) + pathAndQuery;
}

std::string RawServer::FirstRequest() const {
  std::lock_guard lock(mutex_);
  return requests_.empty() ? std::string() : requests_.front();
}

std::size_t RawServer::BytesSent() const {
  constexpr auto kDeadline = std::chrono::seconds(5);
  std::unique_lock lock(mutex_);
  answered_.wait_for(lock, kDeadline, [&] { return !answering_; });
  return sent_;
}

namespace {

constexpr int kPollMs = 50;  // how often the loops notice they should stop

}  // namespace

void RawServer::Serve() {
  while (!stopping_) {
    pollfd pfd{listener_, POLLIN, 0};
    if (::poll(&pfd, 1, kPollMs) <= 0) continue;
    int fd = ::accept(listener_, nullptr, nullptr);
    if (fd < 0) continue;
    ++accepted_;
    if (behaviour_.silent) {
      held_.push_back(fd);
      continue;
    }
    Answer(fd);
    ::shutdown(fd, SHUT_WR);
    ::close(fd);
  }
}

void RawServer::Answer(int fd) {
  std::string request;
  char buf[4096];
  std::size_t wanted = std::string::npos;
  while (!stopping_ && request.size() < wanted) {
    pollfd cfd{fd, POLLIN, 0};
    if (::poll(&cfd, 1, kPollMs) <= 0) continue;
    ssize_t n = ::recv(fd, buf, sizeof buf, 0);
    if (n <= 0) break;
    request.append(buf, static_cast<std::size_t>(n));
    std::size_t headEnd = request.find("\r\n\r\n");
    if (headEnd != std::string::npos && wanted == std::string::npos) {
      std::size_t length = 0;
      std::size_t at = request.find("Content-Length: ");
      if (at != std::string::npos && at < headEnd) {
        length = std::strtoul(request.c_str() + at + 16, nullptr, 10);
      }
      wanted = headEnd + 4 + length;
    }
  }
  {
    std::lock_guard lock(mutex_);
    requests_.push_back(request);
    answering_ = true;
    sent_ = 0;
  }
  const std::string& response = behaviour_.response;
  const std::size_t piece = behaviour_.trickleBytes > 0 ? behaviour_.trickleBytes : response.size();
  std::size_t sent = 0;
  while (!stopping_ && sent < response.size()) {
    if (sent > 0 && behaviour_.trickleIntervalMs > 0) {
      // The pause between two pieces, cut short when the server stops.
      const auto until = std::chrono::steady_clock::now() +
                         std::chrono::milliseconds(behaviour_.trickleIntervalMs);
      while (!stopping_ && std::chrono::steady_clock::now() < until) {
        pollfd hup{fd, POLLRDHUP, 0};
        if (::poll(&hup, 1, kPollMs) > 0) break;  // the client went away
      }
    }
    const ssize_t n =
        ::send(fd, response.data() + sent, std::min(piece, response.size() - sent), MSG_NOSIGNAL);
    if (n <= 0) break;  // the client went away
    sent += static_cast<std::size_t>(n);
    std::lock_guard lock(mutex_);
    sent_ = sent;
  }
  {
    std::lock_guard lock(mutex_);
    answering_ = false;
  }
  answered_.notify_all();
}

}  // namespace vexo::testing
