#pragma once
// Short synthesised songs in every music format the service lists, for the
// tests, the fuzz seeds and the benchmarks: MP3 through LAME, WAV written
// directly, the others encoded from a WAV by the ffmpeg command
// (scripts/install-deps installs it). APE has no encoder in Debian: its file
// is a Monkey's Audio header that TagLib reads, with no audio to play.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace vexo::service::demo {

// The formats WriteTone writes, by the extension that names them.
const std::vector<std::string_view>& ToneFormats();

// Writes a tone of about `seconds` to `file`, in the format its extension
// names (one of ToneFormats()); false, with `error` set, when it cannot.
bool WriteTone(const std::filesystem::path& file, double seconds, std::string& error);

}  // namespace vexo::service::demo
