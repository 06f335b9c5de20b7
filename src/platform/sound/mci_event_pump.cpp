#include "platform/sound/mci_event_pump.h"

#include <QObject>

#include <atomic>
#include <utility>

namespace vexo {
namespace {

// The QObject whose thread runs the drains, and the drain itself. Both are
// made once and live for the whole run: a wake-up may still be queued when
// the last device closes.
struct Pump {
  QObject receiver;
  MciDrainHandler handler;
};

std::atomic<Pump*> g_pump{nullptr};

}  // namespace

void ArmMciEventPump(MciDrainHandler handler) {
  if (g_pump.load() != nullptr) return;
  auto* pump = new Pump;
  pump->handler = std::move(handler);
  g_pump.store(pump);
}

void MciWakeupCallback(void* context) {
  auto* wakeup = static_cast<MciWakeup*>(context);
  Pump* pump = g_pump.load();
  if (pump == nullptr || wakeup->queued.exchange(true)) return;
  const std::uint64_t serial = wakeup->serial;
  QMetaObject::invokeMethod(
      &pump->receiver, [pump, serial] { pump->handler(serial); }, Qt::QueuedConnection);
}

}  // namespace vexo
