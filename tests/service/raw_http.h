#pragma once
// A minimal HTTP/1.1 client over a plain socket, so tests can send exactly
// the bytes they mean (malformed escapes, traversal paths, huge headers) and
// see the server's answer as it is.
#include <chrono>
#include <map>
#include <string>

namespace vexo::service::testing {

struct RawReply {
  int status = 0;                              // 0 when no answer could be read
  std::map<std::string, std::string> headers;  // names lower-cased
  std::string body;

  std::string Header(const std::string& name) const;
};

// A connection to 127.0.0.1:`port`, made from the loopback address `source`
// when given (127.0.0.2 ... stand for other clients); -1 when it fails.
int Connect(int port, const std::string& source = {});
// Sends all of `bytes` on `fd`; whether it could.
bool SendAll(int fd, const std::string& bytes);
// Reads an answer on `fd` until it is complete by its Content-Length or the
// server closes, each read waiting at most `limit`.
RawReply ReadReply(int fd, std::chrono::milliseconds limit);
// Whether the server ends the connection `fd` (a read gives nothing more)
// within `limit`; what it sent before is dropped.
bool EndsWithin(int fd, std::chrono::milliseconds limit);

// Sends `request` verbatim to 127.0.0.1:`port` and reads the answer until the
// server closes the connection.
RawReply SendRaw(int port, const std::string& request);

// GET `target` with "Host: 127.0.0.1:<port>" (or `host`) and optional extra
// header lines (each ending in CR LF).
RawReply Get(int port, const std::string& target, const std::string& extra_headers = {},
             const std::string& host = {});

}  // namespace vexo::service::testing
