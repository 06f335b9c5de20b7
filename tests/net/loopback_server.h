#pragma once
// Test servers on 127.0.0.1: an HTTP server (cpp-httplib) that records what
// arrives, and a raw one that captures a request byte for byte and answers
// with canned bytes, whole, trickling or cut off, or accepts and never
// answers.
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

// How a raw server misbehaves (or not).
struct RawBehaviour {
  // Sent once a request (head and Content-Length body) has been read, then
  // the connection is closed. A response whose body is shorter than its
  // Content-Length, or a chunked one that stops inside a chunk, is a transfer
  // cut off mid-body.
  std::string response;
  // Accept connections and never answer (until destroyed).
  bool silent = false;
  // More than 0: the response goes out this many bytes at a time, with
  // `trickleIntervalMs` between the pieces.
  std::size_t trickleBytes = 0;
  int trickleIntervalMs = 0;
};

// Accepts connections one after another and treats each as its behaviour
// says; it records the requests it read and what it sent.
class RawServer {
 public:
  explicit RawServer(RawBehaviour behaviour);
  explicit RawServer(std::string response, bool silent = false);
  ~RawServer();
  int Port() const { return port_; }
  std::string Url(const std::string& pathAndQuery) const;
  // The bytes of the first request received (empty until one arrived).
  std::string FirstRequest() const;
  // Connections accepted so far.
  int Accepted() const { return accepted_.load(); }
  // Waits (up to a few seconds) until the response to the latest connection
  // has ended, by being sent whole or by the client going away, and returns
  // how many of its bytes went out.
  std::size_t BytesSent() const;

 private:
  void Serve();
  void Answer(int fd);
  RawBehaviour behaviour_;
  int listener_ = -1;
  int port_ = 0;
  std::atomic<bool> stopping_{false};
  std::atomic<int> accepted_{0};
  std::thread thread_;
  mutable std::mutex mutex_;
  mutable std::condition_variable answered_;
  std::vector<std::string> requests_;
  std::vector<int> held_;
  std::size_t sent_ = 0;
  bool answering_ = false;
};

}  // namespace vexo::testing
