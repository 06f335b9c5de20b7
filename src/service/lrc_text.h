#pragma once
// Reading the LRC lyrics of a song as UTF-8 lines.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vexo::service {

// The lines of `bytes` as UTF-8: a byte-order mark is dropped, UTF-16 text
// (with its mark) and text that is not UTF-8 (taken as GB18030, common for
// Chinese LRC files) are converted. Lines end at LF, a CR before it is
// dropped; blank lines at the end are dropped.
std::vector<std::string> LyricLinesFromBytes(std::string_view bytes);

// The lines of the LRC file at `file`; nothing when it cannot be read, is
// larger than the lyrics size limit or holds no line.
std::optional<std::vector<std::string>> ReadLyricLines(const std::filesystem::path& file);

}  // namespace vexo::service
