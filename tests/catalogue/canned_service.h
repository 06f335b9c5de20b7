#pragma once
// A stand-in catalogue service on loopback: fixed answers per path, and a
// record of every request target it received, raw as sent.
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace vexo::testing {
class LoopbackServer;
}

namespace vexo::test {

inline constexpr const char* kJsonUtf8 = "application/json; charset=utf-8";
inline constexpr const char* kScriptUtf8 = "application/javascript; charset=utf-8";

class CannedService {
 public:
  CannedService();
  ~CannedService();
  CannedService(const CannedService&) = delete;
  CannedService& operator=(const CannedService&) = delete;

  // "127.0.0.1:port".
  std::string HostPort() const;
  // Requests for `path` get `body`; other paths get 404.
  void Answer(const std::string& path, std::string body, std::string contentType = kJsonUtf8);
  // Runs on the server's thread after a request's answer has been chosen and
  // before it is sent, with the request target: a test holds an answer back
  // here. Set it before the requests it concerns.
  void BeforeAnswering(std::function<void(const std::string& target)> hook);
  // The raw request targets (path and query) received so far, in order.
  std::vector<std::string> Targets() const;
  // Those whose path is `path`.
  std::vector<std::string> TargetsFor(const std::string& path) const;

 private:
  struct Reply {
    std::string body;
    std::string contentType;
  };
  std::unique_ptr<testing::LoopbackServer> server_;
  mutable std::mutex mutex_;
  std::map<std::string, Reply> replies_;
  std::vector<std::string> targets_;
  std::function<void(const std::string&)> beforeAnswering_;
};

// A "host:port" on loopback where nothing listens.
std::string ClosedHostPort();

}  // namespace vexo::test
