#include "canned_service.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>
#include "loopback_server.h"

#include <stdexcept>

namespace vexo::test {

namespace {
constexpr const char* kLoopback = "127.0.0.1";
}

CannedService::CannedService() : server_(std::make_unique<testing::LoopbackServer>()) {
  server_->Http().Get(".*", [this](const httplib::Request& request, httplib::Response& response) {
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
  server_->Start();
  if (server_->Port() <= 0) throw std::runtime_error("cannot bind a loopback port");
}

CannedService::~CannedService() = default;

std::string CannedService::HostPort() const {
  return std::string(kLoopback) + ":" + std::to_string(server_->Port());
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
