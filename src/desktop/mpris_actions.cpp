#include "desktop/mpris_actions.h"

#include <algorithm>
#include <cmath>

#include "desktop/player_snapshot.h"
#include "playback/play_control.h"

namespace vexo::desktop {
namespace {

constexpr double kUsPerSecond = 1e6;

void Press(Button& button) {
  if (button.onClick) button.onClick();
}

bool ReadsPlay(DesktopView& v) {
  return v.player.按钮1.Caption() == PlayCaption();
}

}  // namespace

void Play(DesktopView& v) {
  if (!IsPlaying(v) && ReadsPlay(v)) Press(v.player.按钮1);
}

void Stop(DesktopView& v) {
  if (v.player.按钮1.Caption() == StopCaption()) Press(v.player.按钮1);
}

void PlayPause(DesktopView& v) {
  Press(v.player.按钮1);
}

void Next(DesktopView& v) {
  Press(v.按钮3);
}

void Previous(DesktopView& v) {
  Press(v.按钮2);
}

std::int64_t SeekTo(DesktopView& v, std::int64_t targetUs) {
  if (!IsPlaying(v)) return -1;
  SliderBar& slider = v.player.滑块条1;
  const double seconds = std::round(static_cast<double>(targetUs) / kUsPerSecond);
  slider.SetPosition(static_cast<int>(std::clamp(seconds, static_cast<double>(kSliderValueMin),
                                                 static_cast<double>(kSliderValueMax))));
  if (slider.onPositionChanged) slider.onPositionChanged();
  return static_cast<std::int64_t>(slider.Position()) * static_cast<std::int64_t>(kUsPerSecond);
}

void SetLoopTrack(DesktopView& v, bool on) {
  if (on) {
    v.player.单曲循环.Choose();
  } else if (v.player.单曲循环.IsTicked()) {
    v.player.顺序播放.Choose();
  }
}

void SetShuffle(DesktopView& v, bool on) {
  if (on) {
    v.player.随机播放.Choose();
  } else if (v.player.随机播放.IsTicked()) {
    v.player.顺序播放.Choose();
  }
}

void RaiseWindow(Window& window) {
  QWidget* frame = window.Frame();
  frame->setWindowState(frame->windowState() & ~Qt::WindowMinimized);
  frame->show();
  frame->raise();
  frame->activateWindow();
}

}  // namespace vexo::desktop
