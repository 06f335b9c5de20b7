#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "loopback_server.h"
#include "net/http_request.h"

namespace vexo::bench {
namespace {

constexpr std::size_t kBodyBytes = 10 * 1024 * 1024;

// A loopback server handing out one 10 MB body, for the whole run.
class BodyServer {
 public:
  BodyServer() : body_(kBodyBytes, 'v') {
    server_.Http().Get("/song.mp3", [this](const httplib::Request&, httplib::Response& res) {
      res.set_content(body_, "audio/mpeg");
    });
    server_.Start();
  }
  std::string Url() const { return server_.Url("/song.mp3"); }

 private:
  std::string body_;
  testing::LoopbackServer server_;
};

BodyServer& Server() {
  static BodyServer server;
  return server;
}

void BM_HttpRequestBytes_10MB(benchmark::State& state) {
  const std::string url = Server().Url();
  for (auto _ : state) {
    ByteSet body = HttpRequestBytes(url);
    if (body.size() != kBodyBytes) state.SkipWithError("short body");
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kBodyBytes));
}
BENCHMARK(BM_HttpRequestBytes_10MB)->Unit(benchmark::kMillisecond)->UseRealTime();

// The curl tool fetching the same body, process start included.
void BM_CurlTool_10MB(benchmark::State& state) {
  const std::string command = "curl -s -o /dev/null '" + Server().Url() + "'";
  for (auto _ : state) {
    if (std::system(command.c_str()) != 0) state.SkipWithError("curl failed");
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kBodyBytes));
}
BENCHMARK(BM_CurlTool_10MB)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace vexo::bench
