#pragma once
// Carries libmpv's wake-ups to the user-interface thread. libmpv calls its
// wake-up callback on its own threads; the pump turns each into one queued
// call on the thread that made the pump, where the device drains its events
// without waiting (mpv_wait_event with a zero time-out).
#include <QObject>

#include <atomic>
#include <cstdint>
#include <functional>

namespace vexo {

// What a wake-up runs on the user-interface thread: drain the device with
// this serial number, if it is still open.
using MciDrainHandler = std::function<void(std::uint64_t serial)>;

class MciEventPump {
 public:
  // The drains run on the thread that makes the pump.
  explicit MciEventPump(MciDrainHandler handler) : handler_(std::move(handler)) {}

  // Queues one drain of the device on the pump's thread. Any thread.
  void Post(std::uint64_t serial);

 private:
  QObject receiver_;
  MciDrainHandler handler_;
};

// The context libmpv hands back to the wake-up callback: one per device, alive
// until its callback has been removed.
struct MciWakeup {
  MciEventPump* pump = nullptr;
  std::uint64_t serial = 0;
  // Set while a drain is queued, so a burst of events queues one call; the
  // device clears it when it starts draining.
  std::atomic<bool> queued{false};
};

// The wake-up callback for mpv_set_wakeup_callback; context is an MciWakeup.
void MciWakeupCallback(void* context);

}  // namespace vexo
