#include "tests/platform/sound/test_media.h"

#include <httplib.h>
#include <lame/lame.h>
#include <QCoreApplication>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cmath>
#include <cstring>
#include <vector>

namespace vexo::test {
namespace {

constexpr int kSampleRate = 44100;
constexpr double kToneHz = 440.0;
constexpr double kAmplitude = 0.3 * 32767;

std::vector<short> ToneSamples(int length_ms) {
  const size_t count = static_cast<size_t>(kSampleRate) * length_ms / 1000;
  std::vector<short> samples(count);
  for (size_t i = 0; i < count; ++i) {
    samples[i] = static_cast<short>(kAmplitude * std::sin(2 * M_PI * kToneHz * i / kSampleRate));
  }
  return samples;
}

void PutLe(ByteSet& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i)
    out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

void PutTag(ByteSet& out, const char* tag) {
  for (int i = 0; i < 4; ++i)
    out.push_back(static_cast<std::uint8_t>(tag[i]));
}

}  // namespace

ByteSet MakeToneWav(int length_ms) {
  const std::vector<short> samples = ToneSamples(length_ms);
  const std::uint32_t data_bytes = static_cast<std::uint32_t>(samples.size() * 2);
  ByteSet wav;
  PutTag(wav, "RIFF");
  PutLe(wav, 36 + data_bytes, 4);
  PutTag(wav, "WAVE");
  PutTag(wav, "fmt ");
  PutLe(wav, 16, 4);
  PutLe(wav, 1, 2);  // PCM
  PutLe(wav, 1, 2);  // mono
  PutLe(wav, kSampleRate, 4);
  PutLe(wav, kSampleRate * 2, 4);
  PutLe(wav, 2, 2);
  PutLe(wav, 16, 2);
  PutTag(wav, "data");
  PutLe(wav, data_bytes, 4);
  for (short s : samples)
    PutLe(wav, static_cast<std::uint16_t>(s), 2);
  return wav;
}

ByteSet MakeToneMp3(int length_ms) {
  std::vector<short> samples = ToneSamples(length_ms);
  lame_t lame = lame_init();
  lame_set_in_samplerate(lame, kSampleRate);
  lame_set_num_channels(lame, 1);
  lame_set_mode(lame, MONO);
  lame_set_brate(lame, 128);
  lame_init_params(lame);
  ByteSet mp3(samples.size() * 5 / 4 + 7200 + 16384);
  int size =
      lame_encode_buffer(lame, samples.data(), samples.data(), static_cast<int>(samples.size()),
                         mp3.data(), static_cast<int>(mp3.size()));
  size += lame_encode_flush(lame, mp3.data() + size, static_cast<int>(mp3.size()) - size);
  mp3.resize(static_cast<size_t>(size));
  // The Xing/LAME header carries the exact length; rewrite the first frame.
  std::vector<unsigned char> tag(8192);
  const size_t tag_size = lame_get_lametag_frame(lame, tag.data(), tag.size());
  if (tag_size > 0 && tag_size <= mp3.size()) std::memcpy(mp3.data(), tag.data(), tag_size);
  lame_close(lame);
  return mp3;
}

TestMediaServer::TestMediaServer() : server_(std::make_unique<httplib::Server>()) {
  server_->Get("/hang", [this](const httplib::Request&, httplib::Response& res) {
    std::unique_lock lock(mutex_);
    stopping_cv_.wait(lock, [this] { return stopping_; });
    res.status = 503;
  });
  server_->Get(R"(/(.+))", [this](const httplib::Request& req, httplib::Response& res) {
    std::lock_guard lock(mutex_);
    auto found = files_.find(req.path);
    if (found == files_.end()) {
      res.status = 404;
      res.set_content("not found", "text/plain");
      return;
    }
    res.set_content(found->second.first, found->second.second);
  });
  port_ = server_->bind_to_any_port("127.0.0.1");
  // The socket listens from the bind on, so requests queue until the loop runs.
  thread_ = std::thread([this] { server_->listen_after_bind(); });
}

TestMediaServer::~TestMediaServer() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  stopping_cv_.notify_all();
  // A stop that came before the accept loop began would not end it.
  while (!server_->is_running())
    std::this_thread::yield();
  server_->stop();
  thread_.join();
}

void TestMediaServer::Serve(const std::string& path, ByteSet body,
                            const std::string& content_type) {
  std::lock_guard lock(mutex_);
  files_[path] = {std::string(body.begin(), body.end()), content_type};
}

Text TestMediaServer::Url(const std::string& path) const {
  return "http://127.0.0.1:" + std::to_string(port_) + path;
}

Text ClosedPortUrl() {
  // A port that was free a moment ago: bound, then released.
  const int fd = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof(address);
  const bool bound = fd >= 0 &&
                     bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0 &&
                     getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) == 0;
  if (fd >= 0) close(fd);
  if (!bound) address.sin_port = htons(1);  // a privileged port nothing serves here
  return "http://127.0.0.1:" + std::to_string(ntohs(address.sin_port)) + "/song.mp3";
}

void EnsureCoreApplication() {
  if (QCoreApplication::instance() != nullptr) return;
  static int argc = 1;
  static char name[] = "vexo_tests";
  static char* argv[] = {name, nullptr};
  static QCoreApplication* app = new QCoreApplication(argc, argv);
  (void)app;
}

bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds limit) {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  while (!condition()) {
    if (std::chrono::steady_clock::now() >= deadline) return condition();
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return true;
}

}  // namespace vexo::test
