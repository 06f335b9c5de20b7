#pragma once
// One open MCI device: one libmpv player holding one medium.
#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>

#include "platform/sound/mci_event_pump.h"
#include "platform/sound/mpv_library.h"
#include "platform/text.h"

namespace vexo {

// The network time-out of a stream, in seconds: a server that does not answer
// within it fails the open (and a stream that stalls that long ends).
inline constexpr int kMciNetworkTimeoutSeconds = 10;

// How long an open waits at most for libmpv's verdict; a little more than the
// network time-out, so the network's own failure is the usual answer.
inline constexpr int kMciOpenTimeoutMs = kMciNetworkTimeoutSeconds * 1000 + 2000;

// The demuxer cache: enough to hold a whole song ahead, modest for a player.
inline constexpr const char* kMciCacheAheadBytes = "16MiB";
inline constexpr const char* kMciCacheBackBytes = "4MiB";

// The audio outputs tried in order; "null" plays silently in real time on a
// machine without sound.
inline constexpr const char* kMciAudioOutputs = "pulse,alsa,null";

// The name the sound server shows for the player's stream.
inline constexpr const char* kMciClientName = "Vexo";

// A start reported within this distance of the pending seek's target (plus
// the time played since the seek was sent) is that seek landing; exact seeks
// land on the target itself.
inline constexpr int kMciSeekLandingToleranceMs = 250;

// A seek whose landing was never recognised stops standing in for the
// position after this long.
inline constexpr int kMciSeekPendingLimitMs = 5000;

// The mode replies.
inline constexpr const char* kMciModePlaying = "playing";
inline constexpr const char* kMciModeStopped = "stopped";
inline constexpr const char* kMciModePaused = "paused";

class MciDevice {
 public:
  // Opens the element (path or URL) and waits until libmpv has loaded it or
  // failed. On success *device holds the device; the result is an MCI code.
  // Its wake-ups go to the pump, which must outlive the device.
  static int Open(const MpvLibrary& mpv, const Text& element, MciEventPump* pump,
                  std::uint64_t serial, std::unique_ptr<MciDevice>* device);

  ~MciDevice();
  MciDevice(const MciDevice&) = delete;
  MciDevice& operator=(const MciDevice&) = delete;

  // Plays from the current position, or from from_ms when given (an exact
  // seek). A medium that played to its end starts again from the beginning.
  int Play(std::optional<int> from_ms);
  // Pauses where it is; the mode reads "paused" until play or resume.
  int Pause();
  int Resume();
  // Stops where it is (MCI's stop does not rewind); the mode reads "stopped".
  int Stop();
  // Moves to the position and stops there, as MCI's seek does.
  int Seek(int position_ms);
  // Moves to the end and stops there.
  int SeekToEnd();

  // "playing", "stopped" or "paused". A medium that played to its end reads
  // "stopped" once libmpv reports the end, which it does only after the audio
  // output has drained.
  Text Mode();
  // The length in milliseconds; 0 when unknown (a live stream).
  int LengthMs();
  // The position in milliseconds.
  int PositionMs();

  // Handles every event libmpv has queued, without waiting.
  void DrainEvents();

  std::uint64_t serial() const { return wakeup_.serial; }

 private:
  enum class State { kStopped, kPlaying, kPaused };

  MciDevice(const MpvLibrary& mpv, mpv_handle* handle, MciEventPump* pump, std::uint64_t serial);
  bool SetPause(bool pause);
  bool SeekExact(int position_ms);
  bool AtEnd();
  std::optional<double> DoubleProperty(const char* name);
  void HandleEvent(const mpv_event& event);

  const MpvLibrary& mpv_;
  mpv_handle* handle_;
  MciWakeup wakeup_;
  State state_ = State::kStopped;
  // False once libmpv dropped the medium (a stream that broke off).
  bool loaded_ = true;
  // The target of a seek libmpv has not finished yet: positions read it, so a
  // position asked right after "play from" is the position asked for.
  std::optional<int> seek_target_ms_;
  // Starts reported since that seek was sent: the first may still belong to
  // an earlier seek that libmpv was already carrying out.
  int restarts_since_seek_ = 0;
  std::chrono::steady_clock::time_point seek_sent_at_;
};

}  // namespace vexo
