#include "catalogue/song_pattern.h"

#include "platform/system_text.h"

namespace vexo {

const Text& SongPattern() {
  return Sys(kSongPatternUtf8);
}

}  // namespace vexo
