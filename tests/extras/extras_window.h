#pragma once
// The controls of the main window that the lyrics, picture and download code
// works on, built offscreen, with a media device whose position the test sets;
// canned pictures; running a worker while the window keeps processing events.
#include <atomic>
#include <chrono>
#include <functional>

#include "extras/extras_views.h"
#include "platform/controls/group_box.h"
#include "platform/sound/mci_codes.h"
#include "playback/mci_engine.h"

namespace vexo::test {

// A media device that reports the position the test sets, or one that runs
// in real time, or fails the query; it counts the position queries.
class PositionEngine final : public MciEngine {
 public:
  int SendCommand(std::uint32_t, std::uint32_t, std::uint32_t, const MciOpenParms&) override {
    return kMciSuccess;
  }
  int SendString(const Text& command, Text* reply, int) override {
    if (command.find("position") == Text::npos) return kMciSuccess;
    ++positionQueries;
    if (failing) return kQueryFailed;
    if (playing) {
      const auto ran = std::chrono::steady_clock::now() - playingSince;
      positionMs =
          playedFrom +
          static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(ran).count());
    }
    if (reply) *reply = std::to_string(positionMs.load());
    return kMciSuccess;
  }
  // From now on the position runs on in real time from `ms` (queried on the
  // user-interface thread).
  void PlayFrom(int ms) {
    playedFrom = ms;
    positionMs = ms;
    playingSince = std::chrono::steady_clock::now();
    playing = true;
  }
  static constexpr int kQueryFailed = 263;
  std::atomic<int> positionMs{0};
  std::atomic<bool> failing{false};
  std::atomic<int> positionQueries{0};

 private:
  bool playing = false;
  int playedFrom = 0;
  std::chrono::steady_clock::time_point playingSince;
};

class ExtrasWindow {
 public:
  ExtrasWindow();
  // Appends a song row; returns its index.
  int AddRow(const Text& name, const Text& singer, const Text& id, const Text& url = {});

  LyricsView Lyrics();
  PictureView Picture();
  DownloadView Download();

  PositionEngine engine;
  Window 主窗口;
  CheckBox 选择框2;
  GroupBox 分组框2;
  TransLabel 透明标签4;
  Timer 时钟2;
  ListView 超级列表框1;
  PicBox 图片框1;
  MediaPlay 媒体播放1;
};

// Runs `work` on a thread of its own and processes window events until it has
// ended (a worker's control calls are carried to this thread). False when it
// had not ended by the deadline; the thread is joined either way.
bool RunOnWorker(const std::function<void()>& work);

// A picture file of `size` pixels filled with `rgb`, as PNG bytes.
ByteSet PngPicture(unsigned rgb, int size = 8);

}  // namespace vexo::test
