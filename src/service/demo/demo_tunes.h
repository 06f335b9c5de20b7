#pragma once
// The demo library's songs: public-domain melodies (traditional folk songs
// and works of composers dead for far more than seventy years), written out
// here as numbered notation, with lyrics of our own and invented singers.
#include <cstdint>
#include <vector>

#include "service/demo/synthesiser.h"

namespace vexo::service::demo {

struct DemoSinger {
  const char* name;
  Voice voice;
  // One singer is left without a picture, so the player's default shows.
  bool has_picture;
};

struct DemoTune {
  std::int64_t id;
  const char* name;
  int singer;  // index into DemoSingers()
  const char* album;
  int year;
  const char* added;  // "YYYY-MM-DD"
  std::uint64_t plays;
  std::uint64_t searches;
  int tonic;  // MIDI note of degree 1
  double bpm;
  const char* score;
  // One line per lyric phrase ("/" in the score), used in turn and again
  // from the first when the melody repeats. Empty: an instrumental piece.
  std::vector<const char*> lyrics;
};

const std::vector<DemoSinger>& DemoSingers();
const std::vector<DemoTune>& DemoTunes();

}  // namespace vexo::service::demo
