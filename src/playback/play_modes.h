#pragma once
// The song list as queue: the three play modes and the steps from one song to
// the next.
#include <cstdint>

#include "playback/player_view.h"

namespace vexo {

enum class PlayMode { kSingleLoop, kSequential, kRandom };

// Ticks the chosen mode's menu item, then unticks the other two.
void SetPlayMode(PlayerView& v, PlayMode mode);
void PlayNext(PlayerView& v, PlaybackState& s);
void PlayPrevious(PlayerView& v, PlaybackState& s);
void PlayRandom(PlayerView& v, PlaybackState& s);
// Run by the progress timer once a song has stopped: the ticked mode decides.
void ChooseAfterSongEnd(PlayerView& v, PlaybackState& s);

// The reseeding of the random step: seed = tick count + the running offset;
// the offset then grows by ((tick + offset) mod 256) + 100, so two reseeds in
// the same millisecond differ.
std::uint32_t NextRandomSeed(std::uint32_t tickCount, std::uint32_t& offset);
// The first value, 0 to 32767, of the pseudo-random sequence seeded with `seed`.
int RandomValue(std::uint32_t seed);
// The row picked for a list of `rows` rows (0 for an empty list).
int PickRandomRow(int randomValue, int rows);

}  // namespace vexo
