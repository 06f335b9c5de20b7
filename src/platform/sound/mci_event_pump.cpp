#include "platform/sound/mci_event_pump.h"

namespace vexo {

void MciEventPump::Post(std::uint64_t serial) {
  QMetaObject::invokeMethod(
      &receiver_, [this, serial] { handler_(serial); }, Qt::QueuedConnection);
}

void MciWakeupCallback(void* context) {
  auto* wakeup = static_cast<MciWakeup*>(context);
  if (wakeup->pump == nullptr || wakeup->queued.exchange(true)) return;
  wakeup->pump->Post(wakeup->serial);
}

}  // namespace vexo
