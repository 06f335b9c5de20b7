// Song start to the lyric strip showing the song heading and to the singer
// picture painted, against the catalogue service with its demo library on
// loopback; a 50 MB download against `curl -o` of the same URL.
#include <benchmark/benchmark.h>
#include <httplib.h>

#include <QApplication>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <string>

#include "extras/download_worker.h"
#include "extras/extras_constants.h"
#include "extras/lyrics_worker.h"
#include "extras/picture_worker.h"
#include "loopback_server.h"
#include "net/http_request.h"
#include "platform/codepage.h"
#include "platform/controls/group_box.h"
#include "service/catalogue_server.h"

namespace vexo::bench {
namespace {

constexpr std::size_t kSongBytes = 50 * 1024 * 1024;
constexpr std::size_t kServerBlockBytes = 64 * 1024;
constexpr int kEventSliceMs = 1;

// The controls the workers touch and the embedded service, for the whole run.
struct Player {
  Player()
      : 主窗口("主窗口", 392, 622),
        选择框2("选择框2", 主窗口.Frame()),
        分组框2("分组框2", 主窗口.Frame()),
        透明标签4("透明标签4", 分组框2.Widget()),
        时钟2("时钟2"),
        超级列表框1("超级列表框1", 主窗口.Frame(),
                    {{"n", 60}, {"name", 230}, {"singer", 60}, {"id", 0}, {"url", 0}}),
        图片框1("图片框1", 主窗口.Frame()) {
    server.Start("127.0.0.1", 0, service::LibrarySource::Demo());
    server.WaitUntilLoaded(std::chrono::seconds(120));
    std::vector<std::string> warnings;
    const auto catalogue = service::LoadCatalogue(service::LibrarySource::Demo(), warnings);
    for (const auto& song : catalogue->Songs()) {
      if (song.lyrics_file.empty() || !catalogue->FindPicture(song.singer)) continue;
      const int row = 超级列表框1.InsertRow();
      超级列表框1.SetCell(row, 1, Utf8ToSystem(song.name));
      超级列表框1.SetCell(row, 2, Utf8ToSystem(song.singer));
      超级列表框1.SetCell(row, 3, std::to_string(song.id));
      超级列表框1.SetCurrentRow(row);
      heading = Utf8ToSystem(song.name) + " - " + Utf8ToSystem(song.singer);
      break;
    }
    state.serviceAddress = server.Address();
    选择框2.SetTicked(true);
    主窗口.ShowCentred();
  }

  LyricsView Lyrics() { return {主窗口, 选择框2, 透明标签4, 时钟2, 超级列表框1, 媒体播放1}; }
  PictureView Picture() { return {超级列表框1, 图片框1}; }

  service::CatalogueServer server;
  Window 主窗口;
  CheckBox 选择框2;
  GroupBox 分组框2;
  TransLabel 透明标签4;
  Timer 时钟2;
  ListView 超级列表框1;
  PicBox 图片框1;
  MediaPlay 媒体播放1;
  ExtrasState state;
  Text heading;
};

Player& ThePlayer() {
  static Player player;
  return player;
}

template <class Done>
void ProcessEventsUntil(Done done) {
  while (!done())
    QCoreApplication::processEvents(QEventLoop::AllEvents, kEventSliceMs);
}

void BM_SongStartToLyricsHeading(benchmark::State& st) {
  Player& p = ThePlayer();
  if (p.heading.empty()) st.SkipWithError("no demo song with lyrics and a picture");
  for (auto _ : st) {
    p.透明标签4.SetText({});
    StartLyricsWorker(p.Lyrics(), p.state);
    ProcessEventsUntil([&] { return p.透明标签4.GetText() == p.heading; });
  }
  // Let the last worker start the timer before the next benchmark.
  ProcessEventsUntil([&] { return p.时钟2.IsRunning(); });
}
BENCHMARK(BM_SongStartToLyricsHeading)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_SongStartToSingerPicturePainted(benchmark::State& st) {
  Player& p = ThePlayer();
  for (auto _ : st) {
    p.图片框1.SetPicture({});
    StartPictureWorker(p.Picture(), p.state);
    ProcessEventsUntil([&] { return p.图片框1.ShowsPicture(); });
    p.图片框1.Widget()->repaint();
  }
}
BENCHMARK(BM_SongStartToSingerPicturePainted)->Unit(benchmark::kMillisecond)->UseRealTime();

// A loopback server handing out songs of any size, their bytes made as they
// are sent, so the server holds none of them in memory: /song/<bytes>.mp3.
testing::LoopbackServer& TheSongServer() {
  static testing::LoopbackServer* const server = [] {
    auto* songs = new testing::LoopbackServer;
    songs->Http().Get(
        R"(/song/(\d+)\.mp3)", [](const httplib::Request& req, httplib::Response& res) {
          const std::size_t size = std::stoul(req.matches[1]);
          res.set_content_provider(
              size, "audio/mpeg", [](std::size_t, std::size_t length, httplib::DataSink& sink) {
                static const std::string block(kServerBlockBytes, 'v');
                return sink.write(block.data(), std::min(length, block.size()));
              });
        });
    songs->Start();
    return songs;
  }();
  return *server;
}

std::string SongUrl(std::size_t bytes) {
  return TheSongServer().Url("/song/" + std::to_string(bytes) + ".mp3");
}

// A line of /proc/self/status in KiB ("VmRSS", "VmHWM").
long StatusKiB(const char* field) {
  std::ifstream status("/proc/self/status");
  std::string line;
  const std::string prefix = std::string(field) + ":";
  while (std::getline(status, line)) {
    if (line.rfind(prefix, 0) == 0) return std::strtol(line.c_str() + prefix.size(), nullptr, 10);
  }
  return 0;
}

// How far resident memory rose above its level before `run` at its highest
// while `run` ran, in MiB (the peak mark is reset first).
double PeakGrowthMiB(const std::function<void()>& run) {
  std::ofstream("/proc/self/clear_refs") << "5";
  const long before = StatusKiB("VmRSS");
  run();
  return static_cast<double>(StatusKiB("VmHWM") - before) / 1024.0;
}

// The whole download of a song of the given size into a file: the lock, the
// streamed fetch into the temporary file, the flush to disk and the rename;
// with how far memory rose meanwhile, which should not follow the size.
void BM_DownloadSong(benchmark::State& st) {
  const auto bytes = static_cast<std::size_t>(st.range(0));
  QTemporaryDir folder;
  const SongRowCells row{"song", "singer", "1", SongUrl(bytes)};
  double peakMiB = 0;
  for (auto _ : st) {
    peakMiB = std::max(peakMiB, PeakGrowthMiB([&] {
                         if (!DownloadSong(folder.path().toStdString(), row))
                           st.SkipWithError("download failed");
                       }));
  }
  st.SetBytesProcessed(static_cast<int64_t>(st.iterations() * bytes));
  st.counters["peak_rss_growth_mib"] = peakMiB;
}
BENCHMARK(BM_DownloadSong)
    ->Arg(kSongBytes / 5)
    ->Arg(kSongBytes)
    ->Arg(kSongBytes * 2)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// The byte form of the request routine, which gathers the whole body in
// memory: its time, and its memory for contrast.
void BM_FetchOnly_50MB(benchmark::State& st) {
  double peakMiB = 0;
  for (auto _ : st) {
    peakMiB = std::max(peakMiB, PeakGrowthMiB([&] {
                         if (HttpRequestBytes(SongUrl(kSongBytes)).size() != kSongBytes)
                           st.SkipWithError("short body");
                       }));
  }
  st.SetBytesProcessed(static_cast<int64_t>(st.iterations() * kSongBytes));
  st.counters["peak_rss_growth_mib"] = peakMiB;
}
BENCHMARK(BM_FetchOnly_50MB)->Unit(benchmark::kMillisecond)->UseRealTime();

// The curl tool saving the same URL into a file, process start included.
void BM_CurlTool_50MB(benchmark::State& st) {
  QTemporaryDir folder;
  const std::string command = "curl -s -o '" +
                              folder.filePath(QStringLiteral("song.mp3")).toStdString() + "' '" +
                              SongUrl(kSongBytes) + "'";
  for (auto _ : st) {
    if (std::system(command.c_str()) != 0) st.SkipWithError("curl failed");
  }
  st.SetBytesProcessed(static_cast<int64_t>(st.iterations() * kSongBytes));
}
BENCHMARK(BM_CurlTool_50MB)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace vexo::bench

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
