#include "service/demo/synthesiser.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vexo::service::demo {

namespace {

constexpr double kLeadInSeconds = 1.0;
constexpr double kTailSeconds = 1.5;
constexpr std::size_t kTableSize = 4096;
constexpr double kEchoSeconds = 0.23;
constexpr float kEchoGain = 0.25f;
constexpr float kPeakLevel = 0.8f;
constexpr int kConcertA = 69;
constexpr double kConcertAHz = 440.0;

struct VoiceShape {
  std::vector<double> harmonics;  // amplitude of harmonic 1, 2, 3 ...
  double attack = 0.02;           // seconds
  double decay_per_second = 0.0;  // exponential decay rate; 0: held
  double sustain = 0.8;
  double release = 0.08;
  double vibrato_depth = 0.0;  // fraction of the frequency
};

VoiceShape ShapeOf(Voice voice) {
  switch (voice) {
    case Voice::kFlute:
      return {{1.0, 0.35, 0.12, 0.05}, 0.04, 0.0, 0.85, 0.1, 0.004};
    case Voice::kClarinet:
      return {{1.0, 0.0, 0.45, 0.0, 0.25, 0.0, 0.12}, 0.03, 0.0, 0.8, 0.08, 0.002};
    case Voice::kStrings:
      return {{1.0, 0.6, 0.45, 0.3, 0.22, 0.15, 0.1, 0.07}, 0.06, 0.0, 0.75, 0.15, 0.005};
    case Voice::kMusicBox:
      return {{1.0, 0.25, 0.0, 0.18, 0.0, 0.08}, 0.004, 2.2, 1.0, 0.3, 0.0};
    case Voice::kPluck:
      return {{1.0, 0.55, 0.4, 0.25, 0.15, 0.1, 0.05}, 0.005, 3.0, 1.0, 0.25, 0.0};
  }
  return {};
}

std::vector<float> WaveTable(const VoiceShape& shape) {
  std::vector<float> table(kTableSize);
  for (std::size_t i = 0; i < kTableSize; ++i) {
    const double phase = 2.0 * std::numbers::pi * static_cast<double>(i) / kTableSize;
    double value = 0;
    for (std::size_t h = 0; h < shape.harmonics.size(); ++h) {
      value += shape.harmonics[h] * std::sin(phase * static_cast<double>(h + 1));
    }
    table[i] = static_cast<float>(value);
  }
  return table;
}

double Frequency(int pitch) {
  return kConcertAHz * std::pow(2.0, (pitch - kConcertA) / 12.0);
}

// Envelope level `t` seconds into a note that sounds for `held` seconds.
double Envelope(const VoiceShape& shape, double t, double held) {
  double level = t < shape.attack ? t / shape.attack : 1.0;
  if (shape.decay_per_second > 0) {
    level *= std::exp(-shape.decay_per_second * std::max(0.0, t - shape.attack));
  } else if (t > shape.attack) {
    level *= shape.sustain + (1.0 - shape.sustain) * std::exp(-8.0 * (t - shape.attack));
  }
  if (t > held) level *= std::max(0.0, 1.0 - (t - held) / shape.release);
  return level;
}

void AddNote(std::vector<float>& out, const std::vector<float>& table, const VoiceShape& shape,
             int pitch, double start, double seconds, int rate) {
  const double held = seconds * 0.92;
  const double frequency = Frequency(pitch);
  const auto first = static_cast<std::size_t>(start * rate);
  const auto count = static_cast<std::size_t>((held + shape.release) * rate);
  double phase = 0;
  for (std::size_t i = 0; i < count && first + i < out.size(); ++i) {
    const double t = static_cast<double>(i) / rate;
    const double vibrato =
        t > 0.15 ? 1.0 + shape.vibrato_depth * std::sin(2 * std::numbers::pi * 5.5 * t) : 1.0;
    const auto index = static_cast<std::size_t>(phase);
    const double fraction = phase - static_cast<double>(index);
    const float a = table[index % kTableSize];
    const float b = table[(index + 1) % kTableSize];
    out[first + i] += static_cast<float>((a + (b - a) * fraction) * Envelope(shape, t, held));
    phase += frequency * vibrato * kTableSize / rate;
    if (phase >= kTableSize) phase -= kTableSize;
  }
}

}  // namespace

Performance Perform(const std::vector<Note>& notes, double bpm, Voice voice,
                    PerformanceLength length, int sample_rate) {
  const double beat = 60.0 / bpm;
  double melody_seconds = 0;
  for (const auto& note : notes)
    melody_seconds += note.beats * beat;
  const double music_limit = length.max_seconds - kLeadInSeconds - kTailSeconds;
  const double music_wanted = length.min_seconds - kLeadInSeconds - kTailSeconds;
  int passes = melody_seconds > 0 ? static_cast<int>(std::ceil(music_wanted / melody_seconds)) : 1;
  passes = std::max(passes, 1);
  while (passes > 1 && passes * melody_seconds > music_limit)
    --passes;

  // Which notes sound, and when.
  struct Placed {
    int pitch;
    double start;
    double seconds;
    bool phrase_start;
  };
  std::vector<Placed> placed;
  double time = kLeadInSeconds;
  for (int pass = 0; pass < passes; ++pass) {
    for (const auto& note : notes) {
      const double seconds = note.beats * beat;
      if (time + seconds > kLeadInSeconds + music_limit) break;
      placed.push_back({note.pitch, time, seconds, note.phrase_start});
      time += seconds;
    }
  }

  Performance performance;
  performance.sample_rate = sample_rate;
  performance.samples.assign(static_cast<std::size_t>((time + kTailSeconds) * sample_rate), 0.0f);
  const auto shape = ShapeOf(voice);
  const auto table = WaveTable(shape);
  for (const auto& note : placed) {
    if (note.phrase_start) performance.phrase_times.push_back(note.start);
    if (note.pitch < 0) continue;
    AddNote(performance.samples, table, shape, note.pitch, note.start, note.seconds, sample_rate);
  }

  auto& samples = performance.samples;
  const auto delay = static_cast<std::size_t>(kEchoSeconds * sample_rate);
  for (std::size_t i = delay; i < samples.size(); ++i)
    samples[i] += kEchoGain * samples[i - delay];
  float peak = 0;
  for (const float s : samples)
    peak = std::max(peak, std::abs(s));
  if (peak > 0) {
    for (float& s : samples)
      s *= kPeakLevel / peak;
  }
  return performance;
}

}  // namespace vexo::service::demo
