#include "service/audio_formats.h"

#include "service/utf8.h"

namespace vexo::service {

namespace {

// MP4 files named ".mp4" are left out: in a music folder they are mostly
// videos, and music in the MP4 container comes as ".m4a".
constexpr AudioFormat kFormats[] = {
    {"mp3", "audio/mpeg"},     {"flac", "audio/flac"}, {"ogg", "audio/ogg"},
    {"oga", "audio/ogg"},      {"opus", "audio/ogg"},  {"m4a", "audio/mp4"},
    {"wav", "audio/wav"},      {"aiff", "audio/aiff"}, {"aif", "audio/aiff"},
    {"wv", "audio/x-wavpack"}, {"ape", "audio/x-ape"}, {"wma", "audio/x-ms-wma"},
};

constexpr std::string_view kDefaultFormat = "mp3";

}  // namespace

const AudioFormat* AudioFormatFor(std::string_view extension) {
  if (extension.starts_with('.')) extension.remove_prefix(1);
  const auto folded = FoldCase(extension);
  for (const auto& format : kFormats) {
    if (format.extension == folded) return &format;
  }
  return nullptr;
}

bool IsMusicFile(const std::filesystem::path& file) {
  return AudioFormatFor(file.extension().string()) != nullptr;
}

std::string FormatOfFile(const std::filesystem::path& file) {
  const auto* format = AudioFormatFor(file.extension().string());
  return std::string(format ? format->extension : kDefaultFormat);
}

std::string_view ContentTypeOfFormat(std::string_view format) {
  const auto* known = AudioFormatFor(format);
  return known ? known->content_type : AudioFormatFor(kDefaultFormat)->content_type;
}

}  // namespace vexo::service
