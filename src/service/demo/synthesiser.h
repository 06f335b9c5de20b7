#pragma once
// A small additive synthesiser: each note is a sum of harmonics with an
// envelope, the voice decides the harmonics and the envelope, and a short
// echo gives the room.
#include <vector>

#include "service/demo/score.h"

namespace vexo::service::demo {

enum class Voice { kFlute, kClarinet, kStrings, kMusicBox, kPluck };

struct Performance {
  // Mono samples in [-1, 1].
  std::vector<float> samples;
  int sample_rate = 0;
  // Start time in seconds of every note that opens a lyric phrase, in order.
  std::vector<double> phrase_times;
};

struct PerformanceLength {
  // The melody is repeated until the song lasts at least this long...
  double min_seconds = 0;
  // ...but it never lasts longer than this; notes past it are left out.
  double max_seconds = 0;
};

// Plays `notes` at `bpm` beats a minute with `voice`.
Performance Perform(const std::vector<Note>& notes, double bpm, Voice voice,
                    PerformanceLength length, int sample_rate);

}  // namespace vexo::service::demo
