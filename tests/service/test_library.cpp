#include "test_library.h"

#include <gtest/gtest.h>

#include <atomic>
#include <fstream>
#include <mutex>
#include <random>
#include <thread>
#include <vector>

#include "service/catalogue_manifest.h"
#include "service/demo/demo_library.h"
#include "service/demo/mp3_encoder.h"
#include "service/demo/png_writer.h"
#include "service/demo/singer_portrait.h"
#include "service/service_constants.h"

namespace vexo::service::testing {

namespace fs = std::filesystem;
using demo::DemoSinger;
using demo::DemoTune;
using demo::Voice;

namespace {

constexpr demo::PerformanceLength kShortSong{1.5, 3.0};
constexpr const char* kScale = "/ 1_ 2_ 3_ 4_ 5_ 6_ 7_ 1'_";

Song MakeSong(const fs::path& folder, const DemoTune& tune, const DemoSinger& singer) {
  Song song;
  std::string error;
  if (!demo::WriteDemoSong(tune, singer, folder, kShortSong, song, error)) {
    ADD_FAILURE() << "cannot write a test song: " << error;
  }
  return song;
}

fs::path BuildSmallLibrary() {
  const auto folder = MakeTempFolder("vexo-small-library");
  const DemoSinger tester{"测试歌手", Voice::kFlute, true};
  const DemoSinger band{"Rain Band", Voice::kPluck, false};
  const std::vector<const char*> lyrics = {"第一行歌词", "second line"};
  LibraryContents contents;
  contents.songs.push_back(
      MakeSong(folder, {501, "晴天", 0, "专辑", 2001, "2026-01-01", 50, 1, 60, 120, kScale, lyrics},
               tester));
  contents.songs.push_back(MakeSong(
      folder, {502, "晴天娃娃", 0, "", 1990, "2025-01-01", 80, 9, 62, 120, kScale, lyrics}, band));
  contents.songs.push_back(
      MakeSong(folder, {503, kOddName, 0, "", 0, "2026-05-01", 10, 5, 64, 120, kScale, {}}, band));
  contents.songs.push_back(MakeSong(
      folder, {504, "Blue Rain", 0, "", 1985, "2024-01-01", 30, 0, 65, 120, kScale, lyrics},
      tester));
  const auto picture = folder / "tester.png";
  std::ofstream(picture, std::ios::binary) << demo::EncodePng(demo::SingerPortrait(1, 32));
  contents.pictures.push_back({"测试歌手", picture});
  std::ofstream(folder / std::string(kManifestFileName), std::ios::binary)
      << WriteManifest(contents, folder);
  return folder;
}

}  // namespace

namespace {

// The folders the tests made, removed with what they hold when the test
// program ends (a test that failed halfway leaves nothing behind either).
class TempFolders {
 public:
  ~TempFolders() {
    std::error_code ignored;
    for (const auto& folder : folders_)
      fs::remove_all(folder, ignored);
  }
  void Add(const fs::path& folder) {
    const std::lock_guard lock(mutex_);
    folders_.push_back(folder);
  }

 private:
  std::mutex mutex_;
  std::vector<fs::path> folders_;
};

}  // namespace

fs::path MakeTempFolder(const std::string& prefix) {
  static std::atomic<int> counter{0};
  static TempFolders made;
  std::random_device random;
  const auto folder = fs::temp_directory_path() /
                      (prefix + "-" + std::to_string(random()) + "-" + std::to_string(counter++));
  fs::remove_all(folder);
  fs::create_directories(folder);
  made.Add(folder);
  return folder;
}

const fs::path& SmallLibrary() {
  // Removed when the test program ends.
  struct Holder {
    fs::path folder = BuildSmallLibrary();
    ~Holder() {
      std::error_code ec;
      fs::remove_all(folder, ec);
    }
  };
  static const Holder holder;
  return holder.folder;
}

bool WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds limit) {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  while (!condition()) {
    if (std::chrono::steady_clock::now() >= deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return true;
}

void WriteShortMp3(const fs::path& file) {
  std::string error;
  const auto notes = demo::ParseScore(kScale, 60, error);
  const auto performance = demo::Perform(notes, 120, Voice::kFlute, kShortSong, 44100);
  ASSERT_TRUE(demo::WriteMp3(file, performance.samples, 44100, 128));
}

}  // namespace vexo::service::testing
