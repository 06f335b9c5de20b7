#pragma once
// MP3 encoding of synthesised songs with LAME.
#include <filesystem>
#include <string>
#include <vector>

namespace vexo::service::demo {

// Encodes mono `samples` (in [-1, 1]) at `sample_rate` as a constant
// `kbps` MP3 file at `file`. False when LAME refuses the settings or the file
// cannot be written.
bool WriteMp3(const std::filesystem::path& file, const std::vector<float>& samples, int sample_rate,
              int kbps);

}  // namespace vexo::service::demo
