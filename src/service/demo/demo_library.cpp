#include "service/demo/demo_library.h"

#include <atomic>
#include <fstream>
#include <mutex>
#include <thread>

#include "service/demo/lrc_writer.h"
#include "service/demo/mp3_encoder.h"
#include "service/demo/singer_portrait.h"
#include "service/service_constants.h"

namespace vexo::service::demo {

namespace fs = std::filesystem;

namespace {

bool WriteFile(const fs::path& file, const std::string& bytes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out.flush());
}

}  // namespace

bool WriteDemoSong(const DemoTune& tune, const DemoSinger& singer, const fs::path& folder,
                   PerformanceLength length, Song& song, std::string& error) {
  const auto notes = ParseScore(tune.score, tune.tonic, error);
  if (notes.empty()) {
    error = std::string(tune.name) + ": " + error;
    return false;
  }
  const auto performance = Perform(notes, tune.bpm, singer.voice, length, kDemoSampleRate);
  song.id = tune.id;
  song.name = tune.name;
  song.singer = singer.name;
  song.album = tune.album;
  song.year = tune.year;
  song.added = tune.added;
  song.plays = tune.plays;
  song.searches = tune.searches;
  song.bit_rate = kDemoBitRate;
  song.duration_seconds = static_cast<int>(performance.samples.size() / kDemoSampleRate);
  song.audio_file = folder / (std::to_string(tune.id) + ".mp3");
  if (!WriteMp3(song.audio_file, performance.samples, kDemoSampleRate, kDemoBitRate)) {
    error = "cannot encode " + song.audio_file.string();
    return false;
  }
  if (!tune.lyrics.empty()) {
    song.lyrics_file = folder / (std::to_string(tune.id) + ".lrc");
    const auto lrc =
        WriteLrc({tune.name, singer.name, tune.album}, performance.phrase_times, tune.lyrics);
    if (!WriteFile(song.lyrics_file, lrc)) {
      error = "cannot write " + song.lyrics_file.string();
      return false;
    }
  }
  return true;
}

bool GenerateDemoLibrary(const fs::path& folder, int threads, std::string& error) {
  std::error_code ec;
  fs::create_directories(folder, ec);
  if (ec) {
    error = "cannot create " + folder.string() + ": " + ec.message();
    return false;
  }
  const auto& tunes = DemoTunes();
  const auto& singers = DemoSingers();
  LibraryContents contents;
  contents.songs.resize(tunes.size());

  // Songs are independent: the workers take the next one until none is left.
  std::atomic<std::size_t> next{0};
  std::mutex error_mutex;
  auto work = [&] {
    for (std::size_t i = next++; i < tunes.size(); i = next++) {
      std::string song_error;
      const PerformanceLength length{kDemoMinSeconds, kDemoMaxSeconds};
      if (!WriteDemoSong(tunes[i], singers[static_cast<std::size_t>(tunes[i].singer)], folder,
                         length, contents.songs[i], song_error)) {
        std::lock_guard lock(error_mutex);
        if (error.empty()) error = song_error;
      }
    }
  };
  std::vector<std::thread> workers;
  for (int t = 1; t < threads; ++t)
    workers.emplace_back(work);
  work();
  for (auto& worker : workers)
    worker.join();
  if (!error.empty()) return false;

  for (std::size_t i = 0; i < singers.size(); ++i) {
    if (!singers[i].has_picture) continue;
    const auto file = folder / ("singer-" + std::to_string(i + 1) + ".png");
    if (!WriteFile(file, EncodePng(SingerPortrait(static_cast<int>(i), kPortraitSize)))) {
      error = "cannot write " + file.string();
      return false;
    }
    contents.pictures.push_back({singers[i].name, file});
  }
  if (!WriteFile(folder / std::string(kManifestFileName), WriteManifest(contents, folder))) {
    error = "cannot write the catalogue file in " + folder.string();
    return false;
  }
  return true;
}

}  // namespace vexo::service::demo
