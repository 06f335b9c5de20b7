#pragma once
// The two kinds of data that travel through the player: texts and byte sets.
#include <cstdint>
#include <string>
#include <vector>

namespace vexo {

// A text in the system code page (GB18030, a superset of GBK with the same
// bytes for every GBK character). Converting bytes to a text stops at the first
// NUL byte, so a Text never holds one.
using Text = std::string;

// A counted buffer of raw bytes: response bodies, pictures, song files.
using ByteSet = std::vector<std::uint8_t>;

}  // namespace vexo
