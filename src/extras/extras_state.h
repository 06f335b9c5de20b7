#pragma once
// What the lyrics, singer picture and download workers share with the
// application: where the service is, the default picture, the program folder
// and the lyric lines.
#include <filesystem>
#include <string>

#include "extras/lyric_lines.h"
#include "platform/text.h"

namespace vexo {

struct ExtrasState {
  // The lyrics-and-picture host: "host:port" or "http://host:port". Set once
  // at start-up, before any worker runs.
  std::string serviceAddress;
  // The picture the picture box shows when no singer picture can be shown.
  ByteSet defaultPicture;
  // The folder downloads are saved in; empty: the running program's folder.
  std::filesystem::path programFolder;
  // The lines of the current lyrics, replaced as a whole by the lyrics worker.
  SharedLyricLines LyricLines;
  // True while a lyrics timer tick runs, and when another tick fell due
  // meanwhile (user-interface thread only).
  bool lyricsTickRunning = false;
  bool lyricsTickDue = false;
};

}  // namespace vexo
