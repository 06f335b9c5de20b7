#include "playback/play_modes.h"

#include "platform/clock.h"
#include "platform/system_text.h"
#include "playback/play_control.h"

namespace vexo {
namespace {

constexpr std::uint32_t kOffsetModulus = 256;
constexpr std::uint32_t kOffsetMinimumGrowth = 100;
// The classic C library generator: 15-bit values from a 32-bit state.
constexpr std::uint32_t kLcgMultiplier = 214013;
constexpr std::uint32_t kLcgIncrement = 2531011;
constexpr int kRandomValueMax = 32767;

}  // namespace

void SetPlayMode(PlayerView& v, PlayMode mode) {
  MenuItem* items[] = {&v.单曲循环, &v.顺序播放, &v.随机播放};
  int chosen = static_cast<int>(mode);
  items[chosen]->SetTicked(true);
  for (int i = 0; i < 3; ++i)
    if (i != chosen) items[i]->SetTicked(false);
}

void PlayNext(PlayerView& v, PlaybackState& s) {
  v.按钮1.SetCaption(PlayCaption());
  s.CurrentSongIndex += 1;
  int rows = v.超级列表框1.RowCount();
  if (s.CurrentSongIndex < rows) {
    v.超级列表框1.SetCurrentRow(s.CurrentSongIndex);
    TogglePlay(v, s);
  } else {
    s.CurrentSongIndex = rows;  // one past the last row; what plays goes on
  }
}

void PlayPrevious(PlayerView& v, PlaybackState& s) {
  v.按钮1.SetCaption(PlayCaption());
  s.CurrentSongIndex -= 1;
  if (s.CurrentSongIndex >= 0) {
    v.超级列表框1.SetCurrentRow(s.CurrentSongIndex);
    TogglePlay(v, s);
  } else {
    s.CurrentSongIndex = 0;
  }
}

std::uint32_t NextRandomSeed(std::uint32_t tickCount, std::uint32_t& offset) {
  std::uint32_t seed = tickCount + offset;
  offset += (seed % kOffsetModulus) + kOffsetMinimumGrowth;
  return seed;
}

int RandomValue(std::uint32_t seed) {
  std::uint32_t state = seed * kLcgMultiplier + kLcgIncrement;
  return static_cast<int>((state >> 16) & static_cast<std::uint32_t>(kRandomValueMax));
}

int PickRandomRow(int randomValue, int rows) {
  return rows > 0 ? randomValue % rows : 0;
}

void PlayRandom(PlayerView& v, PlaybackState& s) {
  std::uint32_t seed = NextRandomSeed(TickCount(), s.randomOffset);
  int row = PickRandomRow(RandomValue(seed), v.超级列表框1.RowCount());
  v.按钮1.SetCaption(PlayCaption());
  v.超级列表框1.SetCurrentRow(row);
  TogglePlay(v, s);
}

void ChooseAfterSongEnd(PlayerView& v, PlaybackState& s) {
  if (v.单曲循环.IsTicked()) {
    PlaySelected(v, s);
  } else if (v.顺序播放.IsTicked()) {
    PlayNext(v, s);
  } else if (v.随机播放.IsTicked()) {
    PlayRandom(v, s);
  }
}

}  // namespace vexo
