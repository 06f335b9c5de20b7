#pragma once
// The Range header of a file request: players seek by asking for the part of
// a song file that starts at a byte offset.
#include <cstdint>
#include <string_view>

namespace vexo::service {

struct ByteRange {
  std::uint64_t first = 0;
  std::uint64_t length = 0;
};

enum class RangeKind {
  kWhole,          // no usable Range: the whole body, 200
  kPartial,        // one satisfiable range, 206
  kUnsatisfiable,  // a range that starts past the end, 416
};

// Resolves the Range header `header` for a body of `size` bytes into `range`.
// One range of the "bytes" unit is honoured ("a-b", "a-", "-n"); a missing or
// malformed header, another unit or several ranges give the whole body.
RangeKind ResolveRange(std::string_view header, std::uint64_t size, ByteRange& range);

}  // namespace vexo::service
