#pragma once
// A pause that keeps the window working: window events are processed until the
// time has passed.
#include <cstdint>

namespace vexo {

// Units of TimerDelay and their length in milliseconds. A unit outside these
// counts as milliseconds.
enum DelayUnit : int {
  kDelayMilliseconds = 0,
  kDelaySeconds = 1,
  kDelayMinutes = 2,
  kDelayHours = 3
};
inline constexpr std::int64_t kMillisecondsPerMillisecond = 1;
inline constexpr std::int64_t kMillisecondsPerSecond = 1000;
inline constexpr std::int64_t kMillisecondsPerMinute = 60000;
inline constexpr std::int64_t kMillisecondsPerHour = 3600000;

// The length of `amount` units in milliseconds; 0 for a negative amount,
// saturating instead of overflowing.
std::int64_t DelayMilliseconds(std::int64_t amount, int unit = kDelayMilliseconds);

// Waits `amount` units on a one-shot timer while processing window events
// (events may run other handlers inside the wait), then returns true. Zero or
// a negative amount returns at once without processing events.
bool TimerDelay(std::int64_t amount, int unit = kDelayMilliseconds);

}  // namespace vexo
