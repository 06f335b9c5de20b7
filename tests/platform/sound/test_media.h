#pragma once
// Test songs and a loopback server for them, for the media engine's tests.
#include <chrono>
#include <condition_variable>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "platform/text.h"

namespace httplib {
class Server;
}

namespace vexo::test {

// A sine tone of the given length as a 16-bit mono WAV file.
ByteSet MakeToneWav(int length_ms);
// The same tone encoded as an MP3 file with LAME.
ByteSet MakeToneMp3(int length_ms);

// An HTTP server on 127.0.0.1 serving files from memory, with Range support
// (seeking needs it). Every other path answers 404; "/hang" accepts the
// request and never answers until the server stops.
class TestMediaServer {
 public:
  TestMediaServer();
  ~TestMediaServer();
  TestMediaServer(const TestMediaServer&) = delete;
  TestMediaServer& operator=(const TestMediaServer&) = delete;

  void Serve(const std::string& path, ByteSet body, const std::string& content_type);
  Text Url(const std::string& path) const;
  int port() const { return port_; }

 private:
  std::unique_ptr<httplib::Server> server_;
  std::thread thread_;
  int port_ = 0;
  std::mutex mutex_;
  std::condition_variable stopping_cv_;
  bool stopping_ = false;
  std::map<std::string, std::pair<std::string, std::string>> files_;
};

// A URL on loopback where nothing listens.
Text ClosedPortUrl();

// Makes the Qt application object the media engine's event pump needs, once.
void EnsureCoreApplication();

// Polls the condition, letting Qt events run, until it holds or the time is
// up; the condition's last value.
bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds limit);

}  // namespace vexo::test
