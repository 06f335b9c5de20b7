// vexo-bench-trickle PORT CONNECTIONS SECONDS: holds CONNECTIONS connections
// to 127.0.0.1:PORT for SECONDS, each sending its request head one byte a
// second and never finishing it; a connection the server ends is made
// again. The connections come from 127.0.0.2 onwards, 50 per address, so
// they stand for many clients. Prints how many connections the server ended
// and how many it refused (answered at once).
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr int kPerAddress = 50;
constexpr const char kHead[] =
    "GET /s/song_with_out?q=%E6%99%B4&page=1&size=1&callback=jsonp_search HTTP/1.1\r\n"
    "Host: 127.0.0.1\r\nUser-Agent: trickle\r\n";

int Open(int port, int index) {
  const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0);
  if (fd < 0) return -1;
  sockaddr_in from{};
  from.sin_family = AF_INET;
  const std::string source = "127.0." + std::to_string(index / kPerAddress / 250) + "." +
                             std::to_string(2 + index / kPerAddress % 250);
  ::inet_pton(AF_INET, source.c_str(), &from.sin_addr);
  ::bind(fd, reinterpret_cast<sockaddr*>(&from), sizeof from);
  sockaddr_in to{};
  to.sin_family = AF_INET;
  to.sin_port = htons(static_cast<uint16_t>(port));
  to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  ::connect(fd, reinterpret_cast<sockaddr*>(&to), sizeof to);
  return fd;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: vexo-bench-trickle PORT CONNECTIONS SECONDS\n");
    return 2;
  }
  const int port = std::atoi(argv[1]);
  const int count = std::atoi(argv[2]);
  const int seconds = std::atoi(argv[3]);
  struct Trickle {
    int fd = -1;
    std::size_t sent = 0;
  };
  std::vector<Trickle> trickles(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i)
    trickles[static_cast<std::size_t>(i)].fd = Open(port, i);

  long ended = 0;
  long refused = 0;
  using Clock = std::chrono::steady_clock;
  const auto end = Clock::now() + std::chrono::seconds(seconds);
  auto next_byte = Clock::now();
  while (Clock::now() < end) {
    std::vector<pollfd> watched;
    for (const auto& t : trickles)
      watched.push_back({t.fd, POLLIN, 0});
    const auto wait =
        std::chrono::duration_cast<std::chrono::milliseconds>(next_byte - Clock::now());
    ::poll(watched.data(), watched.size(), static_cast<int>(std::max<long>(wait.count(), 0)));
    for (std::size_t i = 0; i < trickles.size(); ++i) {
      if (!(watched[i].revents & (POLLIN | POLLHUP | POLLERR))) continue;
      char buffer[4096];
      const auto got = ::recv(trickles[i].fd, buffer, sizeof buffer, 0);
      if (got > 0) {
        ++refused;  // an answer to a head never finished: a refusal
      } else {
        ++ended;
      }
      ::close(trickles[i].fd);
      trickles[i] = {Open(port, static_cast<int>(i)), 0};
    }
    if (Clock::now() >= next_byte) {
      for (auto& t : trickles) {
        const char byte = kHead[t.sent % (sizeof kHead - 1)];
        if (::send(t.fd, &byte, 1, MSG_NOSIGNAL) == 1) ++t.sent;
      }
      next_byte += std::chrono::seconds(1);
    }
  }
  std::printf("trickle: %d connections for %d s: %ld ended by the server, %ld answered\n", count,
              seconds, ended, refused);
  return 0;
}
