#pragma once
// Carries libmpv's wake-ups to the user-interface thread. libmpv calls its
// wake-up callback on its own threads; the pump turns each into one queued
// call on the thread that armed it, where the device drains its events
// without waiting (mpv_wait_event with a zero time-out).
#include <atomic>
#include <cstdint>
#include <functional>

namespace vexo {

// What a wake-up runs on the user-interface thread: drain the device with
// this serial number, if it is still open.
using MciDrainHandler = std::function<void(std::uint64_t serial)>;

// Makes the pump on the calling thread (the user-interface thread) the first
// time; later calls do nothing. The handler is kept for the whole run.
void ArmMciEventPump(MciDrainHandler handler);

// The context libmpv hands back to the wake-up callback: one per device, alive
// until its callback has been removed.
struct MciWakeup {
  std::uint64_t serial = 0;
  // Set while a drain is queued, so a burst of events queues one call.
  std::atomic<bool> queued{false};
};

// The wake-up callback for mpv_set_wakeup_callback; context is an MciWakeup.
void MciWakeupCallback(void* context);

}  // namespace vexo
