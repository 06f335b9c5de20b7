#include "platform/sound/mci_device.h"

#include <chrono>
#include <cmath>
#include <limits>
#include <string>
#include <utility>

#include "platform/sound/mci_codes.h"

namespace vexo {
namespace {

using Clock = std::chrono::steady_clock;

// libmpv set up for a music player: sound only, no window of any kind (not
// even for cover art), no terminal, no user configuration or scripts, and no
// download helper; the medium stays loaded at its end so the end can be read
// as "stopped"; seeks land exactly; each medium ends only when its audio has
// been played out (no gapless hand-over to a next file).
const std::pair<const char*, std::string> kPlayerOptions[] = {
    {"vid", "no"},
    {"audio-display", "no"},
    {"ao", kMciAudioOutputs},
    {"audio-client-name", kMciClientName},
    {"ytdl", "no"},
    {"keep-open", "yes"},
    {"idle", "yes"},
    {"pause", "yes"},
    {"network-timeout", std::to_string(kMciNetworkTimeoutSeconds)},
    {"cache", "auto"},
    {"demuxer-max-bytes", kMciCacheAheadBytes},
    {"demuxer-max-back-bytes", kMciCacheBackBytes},
    {"hr-seek", "yes"},
    {"gapless-audio", "no"},
    {"terminal", "no"},
    {"config", "no"},
    {"load-scripts", "no"},
    {"osc", "no"},
    {"load-stats-overlay", "no"},
    {"load-osd-console", "no"},
    {"load-auto-profiles", "no"},
    {"input-default-bindings", "no"},
    {"input-vo-keyboard", "no"},
    {"resume-playback", "no"},
    {"save-position-on-quit", "no"},
};

// libmpv counts in seconds as floating-point numbers, and a position that is
// a whole millisecond (an exact seek to 1.5 s) may come back a hair below it
// (decoded frames carry sample-accurate times): the nearest millisecond is
// the one meant.
int MillisecondsOf(double seconds) {
  double ms = std::round(seconds * 1000.0);
  if (!(ms > 0)) return 0;
  if (ms >= std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
  return static_cast<int>(ms);
}

// The MCI code for a medium libmpv could not load.
int LoadFailureCode(int mpv_error) {
  if (mpv_error == MPV_ERROR_UNKNOWN_FORMAT || mpv_error == MPV_ERROR_NOTHING_TO_PLAY) {
    return kMciErrorInvalidFile;
  }
  return kMciErrorFileNotFound;
}

}  // namespace

int MciDevice::Open(const MpvLibrary& mpv, const Text& element, MciEventPump* pump,
                    std::uint64_t serial, std::unique_ptr<MciDevice>* device) {
  EnsureNumericLocale();
  mpv_handle* handle = mpv.create();
  if (handle == nullptr) return kMciErrorCannotLoadDriver;
  for (const auto& [name, value] : kPlayerOptions) {
    if (mpv.set_option_string(handle, name, value.c_str()) < 0) {
      mpv.terminate_destroy(handle);
      return kMciErrorCannotLoadDriver;
    }
  }
  if (mpv.initialize(handle) < 0) {
    mpv.terminate_destroy(handle);
    return kMciErrorCannotLoadDriver;
  }
  // From here the device owns the handle and closes it on every path.
  std::unique_ptr<MciDevice> opened(new MciDevice(mpv, handle, pump, serial));
  const char* load[] = {"loadfile", element.c_str(), nullptr};
  if (mpv.command(handle, load) < 0) return kMciErrorFileNotFound;

  // The one blocking wait on libmpv: the open returns only with a verdict.
  const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(kMciOpenTimeoutMs);
  for (;;) {
    const double left = std::chrono::duration<double>(deadline - Clock::now()).count();
    if (left <= 0) return kMciErrorDeviceNotReady;
    const mpv_event* event = mpv.wait_event(handle, left);
    switch (event->event_id) {
      case MPV_EVENT_FILE_LOADED: {
        // A medium without sound (a picture, a silent video) is no song.
        char* audio = mpv.get_property_string(handle, "current-tracks/audio/id");
        if (audio == nullptr) return kMciErrorInvalidFile;
        mpv.free(audio);
        break;  // loaded; ready once the player has primed its start
      }
      case MPV_EVENT_PLAYBACK_RESTART:
        // Primed at the start: "play" sounds at once, and this start can no
        // longer be taken for the landing of a later seek.
        opened->DrainEvents();
        *device = std::move(opened);
        return kMciSuccess;
      case MPV_EVENT_END_FILE: {
        const auto* end = static_cast<const mpv_event_end_file*>(event->data);
        // A playlist (.asx, .m3u ...) hands over to its entries: wait on.
        if (end != nullptr && end->reason == MPV_END_FILE_REASON_REDIRECT) break;
        return LoadFailureCode(end != nullptr ? end->error : MPV_ERROR_LOADING_FAILED);
      }
      case MPV_EVENT_SHUTDOWN:
        return kMciErrorDeviceNotReady;
      default:
        break;
    }
  }
}

MciDevice::MciDevice(const MpvLibrary& mpv, mpv_handle* handle, MciEventPump* pump,
                     std::uint64_t serial)
    : mpv_(mpv), handle_(handle) {
  wakeup_.pump = pump;
  wakeup_.serial = serial;
  mpv_.set_wakeup_callback(handle_, MciWakeupCallback, &wakeup_);
}

MciDevice::~MciDevice() {
  // No wake-up reaches this device once the callback is removed.
  mpv_.set_wakeup_callback(handle_, nullptr, nullptr);
  mpv_.terminate_destroy(handle_);
}

bool MciDevice::SetPause(bool pause) {
  int flag = pause ? 1 : 0;
  return mpv_.set_property(handle_, "pause", MPV_FORMAT_FLAG, &flag) >= 0;
}

bool MciDevice::SeekExact(int position_ms) {
  const std::string seconds = std::to_string(position_ms / 1000.0);
  const char* seek[] = {"seek", seconds.c_str(), "absolute+exact", nullptr};
  if (mpv_.command(handle_, seek) < 0) return false;
  seek_target_ms_ = position_ms;
  restarts_since_seek_ = 0;
  seek_sent_at_ = Clock::now();
  return true;
}

std::optional<double> MciDevice::DoubleProperty(const char* name) {
  double value = 0;
  if (mpv_.get_property(handle_, name, MPV_FORMAT_DOUBLE, &value) < 0) return std::nullopt;
  return value;
}

bool MciDevice::AtEnd() {
  if (!loaded_) return true;
  int flag = 0;
  if (mpv_.get_property(handle_, "eof-reached", MPV_FORMAT_FLAG, &flag) < 0) return false;
  return flag != 0;
}

int MciDevice::Play(std::optional<int> from_ms) {
  DrainEvents();
  if (!loaded_) return kMciErrorHardware;
  if (from_ms) {
    const int length = LengthMs();
    if (length > 0 && *from_ms > length) return kMciErrorOutOfRange;
    if (!SeekExact(*from_ms)) return kMciErrorHardware;
  } else if (!seek_target_ms_ && AtEnd()) {
    if (!SeekExact(0)) return kMciErrorHardware;
  }
  if (!SetPause(false)) return kMciErrorHardware;
  state_ = State::kPlaying;
  return kMciSuccess;
}

int MciDevice::Pause() {
  DrainEvents();
  if (!loaded_) return kMciErrorHardware;
  if (!SetPause(true)) return kMciErrorHardware;
  if (state_ == State::kPlaying) state_ = State::kPaused;
  return kMciSuccess;
}

int MciDevice::Resume() {
  DrainEvents();
  if (!loaded_) return kMciErrorHardware;
  if (state_ != State::kPaused) return kMciSuccess;
  if (!SetPause(false)) return kMciErrorHardware;
  state_ = State::kPlaying;
  return kMciSuccess;
}

int MciDevice::Stop() {
  DrainEvents();
  if (!loaded_) return kMciErrorHardware;
  if (!SetPause(true)) return kMciErrorHardware;
  state_ = State::kStopped;
  return kMciSuccess;
}

int MciDevice::Seek(int position_ms) {
  DrainEvents();
  if (!loaded_) return kMciErrorHardware;
  const int length = LengthMs();
  if (length > 0 && position_ms > length) return kMciErrorOutOfRange;
  if (!SetPause(true) || !SeekExact(position_ms)) return kMciErrorHardware;
  state_ = State::kStopped;
  return kMciSuccess;
}

int MciDevice::SeekToEnd() {
  return Seek(LengthMs());
}

Text MciDevice::Mode() {
  DrainEvents();
  // While a seek is on its way the player may still report the end it is
  // leaving ("play" on a medium that played out seeks to its start).
  if (state_ == State::kPlaying && !seek_target_ms_ && AtEnd()) state_ = State::kStopped;
  switch (state_) {
    case State::kPlaying:
      return kMciModePlaying;
    case State::kPaused:
      return kMciModePaused;
    case State::kStopped:
      break;
  }
  return kMciModeStopped;
}

int MciDevice::LengthMs() {
  std::optional<double> duration = DoubleProperty("duration");
  return duration ? MillisecondsOf(*duration) : 0;
}

int MciDevice::PositionMs() {
  DrainEvents();
  if (seek_target_ms_ &&
      Clock::now() - seek_sent_at_ > std::chrono::milliseconds(kMciSeekPendingLimitMs)) {
    seek_target_ms_.reset();
  }
  if (seek_target_ms_) return *seek_target_ms_;
  std::optional<double> position = DoubleProperty("time-pos");
  if (!position) return 0;
  const int ms = MillisecondsOf(*position);
  const int length = LengthMs();
  return length > 0 && ms > length ? length : ms;
}

void MciDevice::DrainEvents() {
  // Cleared first: a wake-up that comes while draining queues another drain.
  wakeup_.queued.store(false);
  for (;;) {
    const mpv_event* event = mpv_.wait_event(handle_, 0);
    if (event->event_id == MPV_EVENT_NONE) return;
    HandleEvent(*event);
  }
}

void MciDevice::HandleEvent(const mpv_event& event) {
  switch (event.event_id) {
    case MPV_EVENT_PLAYBACK_RESTART:
      // A seek has landed: the pending one when the player starts at its
      // target, or when this is the second start since it was sent.
      if (seek_target_ms_) {
        ++restarts_since_seek_;
        const std::optional<double> at = DoubleProperty("time-pos");
        const auto played =
            std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - seek_sent_at_)
                .count();
        const long offset = at ? static_cast<long>(MillisecondsOf(*at)) - *seek_target_ms_ : 0;
        const bool on_target = at && offset >= -kMciSeekLandingToleranceMs &&
                               offset <= kMciSeekLandingToleranceMs + played;
        if (on_target || restarts_since_seek_ >= 2) seek_target_ms_.reset();
      }
      break;
    case MPV_EVENT_END_FILE:
      seek_target_ms_.reset();
      break;
    case MPV_EVENT_IDLE:
    case MPV_EVENT_SHUTDOWN:
      // With keep-open the player holds the medium at its end; it goes idle
      // only when the medium is gone (a stream that broke off), and the
      // device then reads as at its end.
      loaded_ = false;
      break;
    default:
      break;
  }
}

}  // namespace vexo
