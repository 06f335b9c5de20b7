#pragma once
// A minimal HTTP/1.1 client over a plain socket, so tests can send exactly
// the bytes they mean (malformed escapes, traversal paths, huge headers) and
// see the server's answer as it is.
#include <map>
#include <string>

namespace vexo::service::testing {

struct RawReply {
  int status = 0;                              // 0 when no answer could be read
  std::map<std::string, std::string> headers;  // names lower-cased
  std::string body;

  std::string Header(const std::string& name) const;
};

// Sends `request` verbatim to 127.0.0.1:`port` and reads the answer until the
// server closes the connection.
RawReply SendRaw(int port, const std::string& request);

// GET `target` with "Host: 127.0.0.1:<port>" (or `host`) and optional extra
// header lines (each ending in CR LF).
RawReply Get(int port, const std::string& target, const std::string& extra_headers = {},
             const std::string& host = {});

}  // namespace vexo::service::testing
