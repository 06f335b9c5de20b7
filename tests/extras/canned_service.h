#pragma once
// A lyrics-and-picture service with canned answers on loopback, recording the
// requests it receives.
#include <map>
#include <mutex>
#include <string>

#include "loopback_server.h"
#include "platform/text.h"

namespace vexo::test {

class CannedService {
 public:
  // Answers /lrc/down with `lyricsUtf8`, /pic/down with `pictureUtf8` (where
  // "{base}" stands for this service's address), and /pictures/<name> with
  // the bytes given to SetFile.
  CannedService(std::string lyricsUtf8, std::string pictureUtf8 = {});
  void SetFile(const std::string& name, const ByteSet& bytes);
  // "127.0.0.1:port", as the application hands it over.
  std::string Address() const;
  std::string Url(const std::string& pathAndQuery) const { return server_.Url(pathAndQuery); }
  // Path and query of each request received, after waiting for `atLeast`.
  std::vector<std::string> Targets(std::size_t atLeast = 0) const;

 private:
  std::string lyrics_;
  std::string picture_;
  std::mutex mutex_;
  std::map<std::string, std::string> files_;
  testing::LoopbackServer server_;
};

}  // namespace vexo::test
