#include "catalogue/timer_delay.h"

#include <algorithm>
#include <limits>

#include "platform/controls/wait_with_events.h"

namespace vexo {

namespace {

// The longest single wait the event loop's timer takes; longer pauses are
// waited in steps of this length.
constexpr std::int64_t kLongestSingleWaitMs = std::numeric_limits<int>::max();

std::int64_t Multiplier(int unit) {
  switch (unit) {
    case kDelaySeconds:
      return kMillisecondsPerSecond;
    case kDelayMinutes:
      return kMillisecondsPerMinute;
    case kDelayHours:
      return kMillisecondsPerHour;
    default:
      return kMillisecondsPerMillisecond;
  }
}

}  // namespace

std::int64_t DelayMilliseconds(std::int64_t amount, int unit) {
  if (amount <= 0) return 0;
  const std::int64_t multiplier = Multiplier(unit);
  if (amount > std::numeric_limits<std::int64_t>::max() / multiplier) {
    return std::numeric_limits<std::int64_t>::max();
  }
  return amount * multiplier;
}

bool TimerDelay(std::int64_t amount, int unit) {
  std::int64_t remaining = DelayMilliseconds(amount, unit);
  while (remaining > 0) {
    const std::int64_t step = std::min(remaining, kLongestSingleWaitMs);
    WaitWithEvents(static_cast<int>(step));
    remaining -= step;
  }
  return true;
}

}  // namespace vexo
