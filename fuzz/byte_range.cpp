// The Range header of file requests, over arbitrary header values and file
// sizes.
#include <cstring>

#include "fuzz_support.h"
#include "service/byte_range.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Bytes 0-7: the file size; the rest: the header value.
  std::uint64_t file_size = 0;
  if (size < sizeof file_size) return 0;
  std::memcpy(&file_size, data, sizeof file_size);
  // Small and huge sizes alike: half of the inputs keep only the low bits.
  if (file_size & 1) file_size = (file_size >> 1) & 0xFFFF;
  const std::string_view header =
      vexo::fuzz::Bytes(data + sizeof file_size, size - sizeof file_size);

  vexo::service::ByteRange range{12345, 678};
  switch (vexo::service::ResolveRange(header, file_size, range)) {
    case vexo::service::RangeKind::kWhole:
      FUZZ_CHECK(range.first == 0 && range.length == file_size);
      break;
    case vexo::service::RangeKind::kPartial:
      // A partial answer is never empty and never reaches past the file.
      FUZZ_CHECK(range.length >= 1);
      FUZZ_CHECK(range.first < file_size);
      FUZZ_CHECK(range.length <= file_size - range.first);
      break;
    case vexo::service::RangeKind::kUnsatisfiable:
      break;
  }
  return 0;
}
