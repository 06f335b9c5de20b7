#pragma once
// What the desktop side of the player works on: the window's controls that the
// play buttons, the seek slider, the play-mode menu and the picture box are,
// and the play state. The desktop reads them and presses them, exactly as a
// user at the window would; it never drives the media engine itself.
#include <functional>

#include "platform/controls/button.h"
#include "platform/controls/pic_box.h"
#include "platform/controls/window.h"
#include "platform/text.h"
#include "playback/player_view.h"

namespace vexo::desktop {

struct DesktopView {
  // Play control's controls: the play button 按钮1, the labels, the seek
  // slider, the song list, the media player and the three play-mode items.
  PlayerView player;
  Button& 按钮2;  // 上一曲
  Button& 按钮3;  // 下一曲
  PicBox& 图片框1;
  Window& 主窗口;
  // CurrentSongIndex and CurrentSongUrl.
  const PlaybackState& playback;
  // The picture the picture box shows when there is no singer picture.
  ByteSet defaultPicture;
  // Ends the program through its exit routine, without the close confirmation.
  std::function<void()> quit;
};

}  // namespace vexo::desktop
