#pragma once
// What play control works on: the controls of the main window it reads and
// writes, and its own state.
#include <cstdint>
#include <functional>

#include "platform/controls/button.h"
#include "platform/controls/labels.h"
#include "platform/controls/list_view.h"
#include "platform/controls/menu.h"
#include "platform/controls/slider_bar.h"
#include "platform/controls/timer.h"
#include "platform/text.h"
#include "playback/media_play.h"

namespace vexo {

// The song list's columns read by play control.
inline constexpr int kSongColumnName = 1;
inline constexpr int kSongColumnSinger = 2;
inline constexpr int kSongColumnUrl = 4;

struct PlayerView {
  Button& 按钮1;
  TransLabel& 透明标签1;
  TransLabel& 透明标签2;
  TransLabel& 透明标签3;
  SliderBar& 滑块条1;
  Timer& 时钟1;
  ListView& 超级列表框1;
  MediaPlay& 媒体播放1;
  MenuItem& 单曲循环;
  MenuItem& 顺序播放;
  MenuItem& 随机播放;
};

struct PlaybackState {
  // The row of the song that play last started; next and previous count from
  // it, and it may stand one step outside the rows.
  int CurrentSongIndex = 0;
  // The URL of the song last opened.
  Text CurrentSongUrl;
  // The running offset of the random step's reseeding.
  std::uint32_t randomOffset = 0;
  // Background work started each time a song starts: the singer picture,
  // then the lyrics.
  std::function<void()> startPictureWorker;
  std::function<void()> startLyricsWorker;
};

}  // namespace vexo
