#include "bench_library.h"

#include <fstream>
#include <random>

#include "service/demo/demo_library.h"
#include "service/demo/singer_portrait.h"
#include "service/service_constants.h"

namespace vexo::service::bench {

namespace fs = std::filesystem;

namespace {

constexpr const char* kWords[] = {"晴", "天", "月", "光", "海", "风", "雨", "花", "星", "梦",
                                  "心", "夜", "春", "秋", "雪", "山", "河", "歌", "爱", "路",
                                  "云", "城", "灯", "火", "远", "方", "时", "间", "旧", "新"};
constexpr const char* kSurnames[] = {"林", "陈", "周", "王", "李", "张", "刘", "杨", "赵", "黄"};
constexpr const char* kGiven[] = {"小雨", "子航", "晓月", "默", "雪", "一凡", "思远", "可欣"};
constexpr int kSingers = 400;
constexpr int kPictureSize = 16;

template <typename T, std::size_t N>
const T& Pick(const T (&items)[N], std::mt19937& random) {
  return items[random() % N];
}

}  // namespace

LibraryContents SyntheticLibrary(int songs, const fs::path& audio_file,
                                 const fs::path& picture_file) {
  std::mt19937 random(20260101);
  std::vector<std::string> singers;
  for (int i = 0; i < kSingers; ++i) {
    singers.push_back(std::string(Pick(kSurnames, random)) + Pick(kGiven, random) +
                      std::to_string(i));
  }
  LibraryContents contents;
  for (int i = 0; i < songs; ++i) {
    Song song;
    song.id = 100000 + i;
    const int length = 2 + static_cast<int>(random() % 3);
    for (int w = 0; w < length; ++w)
      song.name += Pick(kWords, random);
    song.name += " " + std::to_string(i % 97);
    song.singer = singers[random() % singers.size()];
    song.year = 1960 + static_cast<int>(random() % 66);
    song.added =
        "2025-" + std::to_string(10 + random() % 3) + "-" + std::to_string(10 + random() % 18);
    song.duration_seconds = 3;
    song.bit_rate = kDemoBitRate;
    song.plays = random() % 100000;
    song.searches = random() % 1000;
    song.audio_file = audio_file;
    contents.songs.push_back(std::move(song));
  }
  for (const auto& singer : singers)
    contents.pictures.push_back({singer, picture_file});
  return contents;
}

bool WriteSyntheticLibrary(const fs::path& folder, int songs) {
  std::error_code ec;
  fs::create_directories(folder, ec);
  const auto& tune = demo::DemoTunes().front();
  Song audio;
  std::string error;
  if (!demo::WriteDemoSong(tune, demo::DemoSingers()[0], folder, {2.0, 3.0}, audio, error)) {
    return false;
  }
  const auto picture = folder / "singer.png";
  std::ofstream(picture, std::ios::binary)
      << demo::EncodePng(demo::SingerPortrait(0, kPictureSize));
  std::ofstream manifest(folder / std::string(kManifestFileName), std::ios::binary);
  manifest << WriteManifest(SyntheticLibrary(songs, audio.audio_file, picture), folder);
  return static_cast<bool>(manifest.flush());
}

bool WriteSyntheticFolder(const fs::path& folder, int songs) {
  std::error_code ec;
  fs::create_directories(folder, ec);
  const auto& tune = demo::DemoTunes().front();
  Song audio;
  std::string error;
  const auto source = folder / "source";
  fs::create_directories(source, ec);
  if (!demo::WriteDemoSong(tune, demo::DemoSingers()[0], source, {0.5, 0.6}, audio, error)) {
    return false;
  }
  const auto contents = SyntheticLibrary(songs, audio.audio_file, {});
  for (std::size_t i = 0; i < contents.songs.size(); ++i) {
    const auto dir = folder / ("part" + std::to_string(i / 100));
    fs::create_directories(dir, ec);
    const auto& song = contents.songs[i];
    fs::create_hard_link(audio.audio_file, dir / (song.singer + " - " + song.name + ".mp3"), ec);
    if (ec) return false;
  }
  fs::remove_all(source, ec);
  return true;
}

}  // namespace vexo::service::bench
