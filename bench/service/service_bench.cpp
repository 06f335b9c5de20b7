// In-process costs of the catalogue service over a 10,000-song library:
// search, suggestions, a chart page, and starting the embedded server (which
// the player does before its window shows), and taking a front cover out of
// a music file (each request for an embedded picture does) against reading a
// picture file of the same size.
#include <benchmark/benchmark.h>

#include <unistd.h>
#include <filesystem>
#include <fstream>
#include <memory>

#include "bench_library.h"
#include "service/catalogue_server.h"
#include "service/embedded_media.h"
#include "service/endpoints.h"
#include "service/search_matching.h"
#include "service/sqlite_store.h"

namespace vexo::service::bench {
namespace {

constexpr int kLibrarySongs = 10000;

// The synthetic library in a store in memory, and its cache.
struct LargeLibrary {
  std::shared_ptr<SqliteStore> store = SqliteStore::Open({}, false);
  std::int64_t library = store->OpenLibrary("/bench");
  std::shared_ptr<Catalogue> cache;
  std::unique_ptr<CountRecorder> counts;

  LargeLibrary() {
    auto contents = SyntheticLibrary(kLibrarySongs, "song.mp3", "singer.png");
    LibraryChanges changes;
    for (auto& song : contents.songs)
      changes.upserts.push_back({std::move(song), 0, 0});
    changes.replace_pictures = true;
    changes.pictures = std::move(contents.pictures);
    store->Apply(library, changes);
    cache = BuildCatalogue(*store, library, "/bench");
    counts = std::make_unique<CountRecorder>(store, library, nullptr, nullptr);
  }
  LibraryView View() const { return {*cache, *store, library, counts.get()}; }
};

const LargeLibrary& Large() {
  static const LargeLibrary library;
  return library;
}

Catalogue& LargeCatalogue() {
  return *Large().cache;
}

void BM_Search(benchmark::State& state) {
  auto& catalogue = LargeCatalogue();
  for (auto _ : state)
    benchmark::DoNotOptimize(SearchSongs(catalogue, "晴天"));
}
BENCHMARK(BM_Search);

void BM_SearchAnswer(benchmark::State& state) {
  const auto query = *QueryString::Parse("q=%E6%99%B4&page=1&size=10&callback=jsonp_search");
  for (auto _ : state)
    benchmark::DoNotOptimize(SearchAnswer(Large().View(), query, "http://h:1"));
}
BENCHMARK(BM_SearchAnswer);

void BM_SuggestAnswer(benchmark::State& state) {
  const auto query = *QueryString::Parse("q=%E6%99%B4&size=5&callback=cb");
  for (auto _ : state)
    benchmark::DoNotOptimize(SuggestAnswer(Large().View(), query));
}
BENCHMARK(BM_SuggestAnswer);

void BM_ChartAnswer(benchmark::State& state) {
  const auto query = *QueryString::Parse("id=111&page=1&size=50");
  for (auto _ : state)
    benchmark::DoNotOptimize(ChartAnswer(Large().View(), query, "http://h:1"));
}
BENCHMARK(BM_ChartAnswer);

// What the player's start-up pays on its own thread: Start() only.
void BM_EmbeddedStart(benchmark::State& state) {
  for (auto _ : state) {
    auto server = std::make_unique<CatalogueServer>();
    ServerOptions quiet;
    quiet.warning_log = [](const std::string&) {};
    benchmark::DoNotOptimize(
        server->Start("127.0.0.1", 0, LibrarySource::Folder("/nonexistent"), quiet));
    state.PauseTiming();
    server.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_EmbeddedStart)->Unit(benchmark::kMicrosecond);

// A 200 KB front cover in an MP3, a FLAC and an M4A file, and the same
// bytes as a picture file.
constexpr std::size_t kCoverBytes = 200 * 1024;
constexpr const char* kCoverFormats[] = {"mp3", "flac", "m4a"};

struct CoverFiles {
  std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("vexo-cover-bench-" + std::to_string(getpid()));
  bool written = false;
  CoverFiles() {
    std::filesystem::create_directories(folder);
    written = true;
    for (const char* format : kCoverFormats)
      written =
          written && WriteToneWithCover(folder / ("tone." + std::string(format)), kCoverBytes);
    if (const auto cover = ReadEmbeddedPicture(folder / "tone.mp3")) {
      std::ofstream(folder / "cover.jpg", std::ios::binary) << cover->bytes;
    }
  }
  ~CoverFiles() {
    std::error_code ec;
    std::filesystem::remove_all(folder, ec);
  }
};

const CoverFiles& Covers() {
  static const CoverFiles covers;
  return covers;
}

void BM_EmbeddedPicture(benchmark::State& state) {
  const char* format = kCoverFormats[state.range(0)];
  state.SetLabel(format);
  const auto file = Covers().folder / ("tone." + std::string(format));
  if (!Covers().written || !ReadEmbeddedPicture(file)) {
    state.SkipWithError("the tone with its cover could not be written");
    return;
  }
  for (auto _ : state)
    benchmark::DoNotOptimize(ReadEmbeddedPicture(file));
}
BENCHMARK(BM_EmbeddedPicture)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

void BM_PictureFile(benchmark::State& state) {
  const auto file = Covers().folder / "cover.jpg";
  for (auto _ : state) {
    std::ifstream in(file, std::ios::binary);
    std::string bytes(kCoverBytes, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    benchmark::DoNotOptimize(bytes);
  }
}
BENCHMARK(BM_PictureFile)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vexo::service::bench
