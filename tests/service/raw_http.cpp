#include "raw_http.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstring>

namespace vexo::service::testing {

std::string RawReply::Header(const std::string& name) const {
  const auto it = headers.find(name);
  return it == headers.end() ? std::string() : it->second;
}

namespace {

RawReply Parse(const std::string& data) {
  RawReply reply;
  const auto end = data.find("\r\n\r\n");
  if (end == std::string::npos || data.compare(0, 5, "HTTP/") != 0) return reply;
  reply.status = std::atoi(data.c_str() + data.find(' ') + 1);
  std::size_t pos = data.find("\r\n") + 2;
  while (pos < end) {
    const auto line_end = data.find("\r\n", pos);
    const auto line = data.substr(pos, line_end - pos);
    const auto colon = line.find(':');
    if (colon != std::string::npos) {
      std::string name = line.substr(0, colon);
      for (char& c : name)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
      auto value = line.substr(colon + 1);
      while (!value.empty() && value.front() == ' ')
        value.erase(0, 1);
      reply.headers[name] = value;
    }
    pos = line_end + 2;
  }
  reply.body = data.substr(end + 4);
  return reply;
}

bool Complete(const std::string& data) {
  const auto end = data.find("\r\n\r\n");
  if (end == std::string::npos) return false;
  const auto reply = Parse(data);
  const auto length = reply.Header("content-length");
  return !length.empty() && data.size() - end - 4 >= std::stoull(length);
}

}  // namespace

int Connect(int port, const std::string& source) {
  const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
  if (fd < 0) return -1;
  if (!source.empty()) {
    sockaddr_in from{};
    from.sin_family = AF_INET;
    if (::inet_pton(AF_INET, source.c_str(), &from.sin_addr) != 1 ||
        ::bind(fd, reinterpret_cast<sockaddr*>(&from), sizeof from) != 0) {
      ::close(fd);
      return -1;
    }
  }
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(static_cast<uint16_t>(port));
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  // A deadline on every write, so a stuck server fails the test instead of
  // hanging it.
  timeval limit{10, 0};
  ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof limit);
  if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
    ::close(fd);
    return -1;
  }
  return fd;
}

bool SendAll(int fd, const std::string& bytes) {
  std::size_t sent = 0;
  while (sent < bytes.size()) {
    const auto n = ::send(fd, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
    if (n <= 0) return false;
    sent += static_cast<std::size_t>(n);
  }
  return true;
}

namespace {

void SetReadLimit(int fd, std::chrono::milliseconds limit) {
  timeval value{static_cast<time_t>(limit.count() / 1000),
                static_cast<suseconds_t>(limit.count() % 1000 * 1000)};
  ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &value, sizeof value);
}

}  // namespace

RawReply ReadReply(int fd, std::chrono::milliseconds limit) {
  SetReadLimit(fd, limit);
  std::string data;
  char buffer[65536];
  while (!Complete(data)) {
    const auto n = ::recv(fd, buffer, sizeof buffer, 0);
    if (n <= 0) break;
    data.append(buffer, static_cast<std::size_t>(n));
  }
  return Parse(data);
}

bool EndsWithin(int fd, std::chrono::milliseconds limit) {
  SetReadLimit(fd, limit);
  char buffer[4096];
  while (true) {
    const auto n = ::recv(fd, buffer, sizeof buffer, 0);
    if (n == 0) return true;
    if (n < 0) return errno == ECONNRESET;
  }
}

RawReply SendRaw(int port, const std::string& request) {
  const int fd = Connect(port);
  if (fd < 0) return {};
  // Read until the answer is complete by its Content-Length (the server
  // may keep the connection open after an answer), or the server closes.
  const auto reply = SendAll(fd, request) ? ReadReply(fd, std::chrono::seconds(10)) : RawReply{};
  ::close(fd);
  return reply;
}

RawReply Get(int port, const std::string& target, const std::string& extra_headers,
             const std::string& host) {
  const std::string host_value = host.empty() ? "127.0.0.1:" + std::to_string(port) : host;
  return SendRaw(port, "GET " + target + " HTTP/1.1\r\nHost: " + host_value +
                           "\r\nConnection: close\r\n" + extra_headers + "\r\n");
}

}  // namespace vexo::service::testing
