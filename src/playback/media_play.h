#pragma once
// The media player object (媒体播放1 of the main window): one medium at a
// time, a file or a URL, driven by MCI command strings under an alias of its
// own. No operation shows anything; each failure is its result.
#include "platform/text.h"
#include "playback/mci_engine.h"

namespace vexo {

// The engine's mode, as GetPlayState reads it.
enum PlayState : int {
  kPlayStateOther = 0,  // any other reply, or the query failed (nothing open)
  kPlayStatePlaying = 1,
  kPlayStateStopped = 2,  // stopped, or played to its end
  kPlayStatePaused = 3,
};

// PlayMedia's position for "play on from where it is".
inline constexpr int kPlayFromCurrent = -1;

// The reply buffers of the queries, in characters.
inline constexpr int kModeReplySize = 255;
inline constexpr int kLengthReplySize = 50;
inline constexpr int kPositionReplySize = 255;

// GetPositionMs when the query fails.
inline constexpr int kPositionUnknown = -1;

class MediaPlay {
 public:
  // The alias is made here, once.
  explicit MediaPlay(MciEngine& engine = SystemMciEngine());
  // Closes the medium.
  ~MediaPlay();
  MediaPlay(const MediaPlay&) = delete;
  MediaPlay& operator=(const MediaPlay&) = delete;

  // Closes what was open, then opens the medium; true once it is loaded.
  bool OpenMedia(const Text& name);
  // Plays from position_ms, or on from the current position with
  // kPlayFromCurrent.
  bool PlayMedia(int position_ms);
  // Stops and, when that worked, rewinds to the start.
  bool StopMedia();
  PlayState GetPlayState();
  // Sets the millisecond time format, then reads the length; 0 on failure.
  int GetLengthMs();
  int GetLengthSeconds();
  // The position in the device's time format; kPositionUnknown on failure.
  int GetPositionMs();
  bool CloseMedia();

  const Text& alias() const { return alias_; }
  const Text& medium_name() const { return medium_name_; }
  const Text& extension() const { return extension_; }

 private:
  // The command with the alias put in: "play " + alias + suffix.
  Text Command(const char* verb, const char* rest = "") const;

  MciEngine& engine_;
  const Text alias_;
  Text medium_name_;
  Text extension_;
};

}  // namespace vexo
