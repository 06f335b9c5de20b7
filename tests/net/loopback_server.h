#pragma once
// Test servers on 127.0.0.1: an HTTP server (cpp-httplib) that records what
// arrives, and a raw one that captures a request byte for byte or accepts and
// never answers.
#include <httplib.h>

#include <atomic>
#include <condition_variable>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace vexo::testing {

struct RecordedRequest {
  std::string method;
  std::string target;  // path and query as requested
  std::string body;
  httplib::Headers headers;
  std::size_t arrival = 0;  // order in which the requests reached the server
  std::string Header(const std::string& name) const {
    auto it = headers.find(name);
    return it == headers.end() ? std::string() : it->second;
  }
};

class LoopbackServer {
 public:
  LoopbackServer();  // routes are registered through Http() before Start()
  ~LoopbackServer();
  httplib::Server& Http() { return server_; }
  void Start();
  std::string Url(const std::string& pathAndQuery) const;
  int Port() const { return port_; }
  // The requests recorded so far in the order they arrived, after waiting (up
  // to a few seconds) until at least `atLeast` have been: the server records a
  // request only after its response went out.
  std::vector<RecordedRequest> Requests(std::size_t atLeast = 0) const;

 private:
  httplib::Server server_;
  int port_ = 0;
  std::thread thread_;
  mutable std::mutex mutex_;
  mutable std::condition_variable recorded_;
  std::vector<RecordedRequest> requests_;
  std::map<const httplib::Request*, std::size_t> arrivals_;  // answered not yet
  std::size_t nextArrival_ = 0;
};

// Accepts connections one after another. With a canned response it reads one
// request (head and Content-Length body), keeps its bytes and answers; without
// one it accepts and stays silent until destroyed.
class RawServer {
 public:
  explicit RawServer(std::string response, bool silent = false);
  ~RawServer();
  int Port() const { return port_; }
  std::string Url(const std::string& pathAndQuery) const;
  // The bytes of the first request received (empty until one arrived).
  std::string FirstRequest() const;

 private:
  void Serve();
  std::string response_;
  bool silent_;
  int listener_ = -1;
  int port_ = 0;
  std::atomic<bool> stopping_{false};
  std::thread thread_;
  mutable std::mutex mutex_;
  std::vector<std::string> requests_;
  std::vector<int> held_;
};

}  // namespace vexo::testing
