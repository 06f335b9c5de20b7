#include "canned_service.h"

#include <arpa/inet.h>
#include <httplib.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <stdexcept>

namespace vexo::test {

namespace {
constexpr const char* kLoopback = "127.0.0.1";
}

CannedService::CannedService() : server_(std::make_unique<httplib::Server>()) {
  server_->Get(".*", [this](const httplib::Request& request, httplib::Response& response) {
    std::function<void(const std::string&)> hook;
    {
      std::lock_guard lock(mutex_);
      targets_.push_back(request.target);
      hook = beforeAnswering_;
      const auto reply = replies_.find(request.path);
      if (reply == replies_.end()) {
        response.status = 404;
      } else {
        response.set_content(reply->second.body, reply->second.contentType.c_str());
      }
    }
    if (hook) hook(request.target);
  });
  port_ = server_->bind_to_any_port(kLoopback);
  if (port_ <= 0) throw std::runtime_error("cannot bind a loopback port");
  thread_ = std::thread([this] { server_->listen_after_bind(); });
}

CannedService::~CannedService() {
  // A stop that came before the accept loop began would not end it.
  while (!server_->is_running())
    std::this_thread::yield();
  server_->stop();
  thread_.join();
}

std::string CannedService::HostPort() const {
  return std::string(kLoopback) + ":" + std::to_string(port_);
}

void CannedService::Answer(const std::string& path, std::string body, std::string contentType) {
  std::lock_guard lock(mutex_);
  replies_[path] = {std::move(body), std::move(contentType)};
}

void CannedService::BeforeAnswering(std::function<void(const std::string& target)> hook) {
  std::lock_guard lock(mutex_);
  beforeAnswering_ = std::move(hook);
}

std::vector<std::string> CannedService::Targets() const {
  std::lock_guard lock(mutex_);
  return targets_;
}

std::vector<std::string> CannedService::TargetsFor(const std::string& path) const {
  std::vector<std::string> found;
  for (const std::string& target : Targets()) {
    if (target.compare(0, target.find('?'), path) == 0) found.push_back(target);
  }
  return found;
}

std::string ClosedHostPort() {
  // A port bound and released again without listening: connecting is refused.
  const int sock = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  if (sock < 0 || ::bind(sock, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
      ::getsockname(sock, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
    throw std::runtime_error("cannot bind a loopback port");
  }
  ::close(sock);
  return std::string(kLoopback) + ":" + std::to_string(ntohs(address.sin_port));
}

}  // namespace vexo::test
