#include "platform/sound/system_volume.h"

#include "platform/sound/pulse_library.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <functional>
#include <string>

namespace vexo {
namespace {

using Clock = std::chrono::steady_clock;

// One short conversation with the sound server on a private main loop, every
// wait bounded by the same deadline. Without a server (or its client library)
// the session is never ready; the server is never started on demand.
class PulseSession {
 public:
  PulseSession()
      : deadline_(Clock::now() + std::chrono::milliseconds(kVolumeServerTimeoutMs)),
        pa_(SoundServerLibrary()) {
    if (pa_ == nullptr) return;
    loop_ = pa_->mainloop_new();
    if (loop_ == nullptr) return;
    context_ = pa_->context_new(pa_->mainloop_get_api(loop_), "Vexo");
    if (context_ == nullptr) return;
    if (pa_->context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) return;
    ready_ = RunUntil([this] {
               pa_context_state_t state = pa_->context_get_state(context_);
               return state == PA_CONTEXT_READY || !PA_CONTEXT_IS_GOOD(state);
             }) &&
             pa_->context_get_state(context_) == PA_CONTEXT_READY;
  }

  ~PulseSession() {
    if (context_ != nullptr) {
      pa_->context_disconnect(context_);
      pa_->context_unref(context_);
    }
    if (loop_ != nullptr) pa_->mainloop_free(loop_);
  }

  PulseSession(const PulseSession&) = delete;
  PulseSession& operator=(const PulseSession&) = delete;

  bool ready() const { return ready_; }
  const PulseLibrary* pa() const { return pa_; }
  pa_context* context() { return context_; }

  // Runs the loop until done() holds; false when the deadline passed first
  // or the connection broke.
  bool RunUntil(const std::function<bool()>& done) {
    while (!done()) {
      const auto left =
          std::chrono::duration_cast<std::chrono::microseconds>(deadline_ - Clock::now());
      if (left.count() <= 0) return false;
      if (pa_->mainloop_prepare(loop_, static_cast<int>(left.count())) < 0) return false;
      if (pa_->mainloop_poll(loop_) < 0) return false;
      if (pa_->mainloop_dispatch(loop_) < 0) return false;
      if (!PA_CONTEXT_IS_GOOD(pa_->context_get_state(context_))) return done();
    }
    return true;
  }

  // Waits for an operation; false when it did not finish in time.
  bool Wait(pa_operation* operation) {
    if (operation == nullptr) return false;
    const bool finished = RunUntil(
        [this, operation] { return pa_->operation_get_state(operation) != PA_OPERATION_RUNNING; });
    if (!finished) pa_->operation_cancel(operation);
    pa_->operation_unref(operation);
    return finished;
  }

 private:
  Clock::time_point deadline_;
  const PulseLibrary* pa_;
  pa_mainloop* loop_ = nullptr;
  pa_context* context_ = nullptr;
  bool ready_ = false;
};

// What the server says of its default sink.
struct SinkVolume {
  bool found = false;
  std::string name;
  pa_cvolume volume{};
  bool muted = false;
};

std::optional<SinkVolume> ReadDefaultSink(PulseSession& session) {
  if (!session.ready()) return std::nullopt;
  std::string default_sink;
  bool have_name = false;
  struct NameResult {
    std::string* name;
    bool* have;
  } name_result{&default_sink, &have_name};
  auto on_server = [](pa_context*, const pa_server_info* info, void* data) {
    auto* result = static_cast<NameResult*>(data);
    if (info != nullptr && info->default_sink_name != nullptr) {
      *result->name = info->default_sink_name;
      *result->have = true;
    }
  };
  if (!session.Wait(
          session.pa()->context_get_server_info(session.context(), on_server, &name_result)) ||
      !have_name) {
    return std::nullopt;
  }
  SinkVolume sink;
  auto on_sink = [](pa_context*, const pa_sink_info* info, int eol, void* data) {
    auto* result = static_cast<SinkVolume*>(data);
    if (eol != 0 || info == nullptr) return;
    result->found = true;
    result->name = info->name;
    result->volume = info->volume;
    result->muted = info->mute != 0;
  };
  if (!session.Wait(session.pa()->context_get_sink_info_by_name(
          session.context(), default_sink.c_str(), on_sink, &sink)) ||
      !sink.found) {
    return std::nullopt;
  }
  return sink;
}

int PercentOf(pa_volume_t volume) {
  return static_cast<int>(std::lround(100.0 * volume / PA_VOLUME_NORM));
}

pa_volume_t VolumeOf(int percent) {
  return static_cast<pa_volume_t>(std::lround(static_cast<double>(PA_VOLUME_NORM) * percent / 100));
}

bool WriteVolume(PulseSession& session, const SinkVolume& sink, int percent) {
  pa_cvolume volume = sink.volume;
  if (session.pa()->cvolume_max(&volume) == PA_VOLUME_MUTED) {
    // A silent sink has no balance left to keep.
    session.pa()->cvolume_set(&volume, volume.channels, VolumeOf(percent));
  } else {
    session.pa()->cvolume_scale(&volume, VolumeOf(percent));
  }
  auto on_done = [](pa_context*, int, void*) {};
  return session.Wait(session.pa()->context_set_sink_volume_by_name(
      session.context(), sink.name.c_str(), &volume, on_done, nullptr));
}

}  // namespace

bool StepSystemVolume(bool up) {
  PulseSession session;
  std::optional<SinkVolume> sink = ReadDefaultSink(session);
  if (!sink) return false;
  const int current = PercentOf(session.pa()->cvolume_max(&sink->volume));
  const int step = up ? kVolumeStepPercent : -kVolumeStepPercent;
  int target = std::clamp(current + step, 0, 100);
  if (up && target < current) target = current;  // above full scale already
  bool ok = target == current || WriteVolume(session, *sink, target);
  if (up && sink->muted) {
    auto on_done = [](pa_context*, int, void*) {};
    ok = session.Wait(session.pa()->context_set_sink_mute_by_name(
             session.context(), sink->name.c_str(), 0, on_done, nullptr)) &&
         ok;
  }
  return ok;
}

std::optional<int> ReadSystemVolumePercent() {
  PulseSession session;
  std::optional<SinkVolume> sink = ReadDefaultSink(session);
  if (!sink) return std::nullopt;
  return PercentOf(session.pa()->cvolume_max(&sink->volume));
}

bool SetSystemVolumePercent(int percent) {
  PulseSession session;
  std::optional<SinkVolume> sink = ReadDefaultSink(session);
  if (!sink) return false;
  SinkVolume flat = *sink;
  session.pa()->cvolume_set(&flat.volume, flat.volume.channels, VolumeOf(0));
  return WriteVolume(session, flat, std::clamp(percent, 0, 100));
}

}  // namespace vexo
