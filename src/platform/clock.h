#pragma once
// The millisecond tick count of the platform: a monotonic clock.
#include <cstdint>

namespace vexo {

// Milliseconds since an arbitrary start, wrapping like the platform's 32-bit
// tick count.
std::uint32_t TickCount();

}  // namespace vexo
