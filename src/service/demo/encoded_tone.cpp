#include "service/demo/encoded_tone.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <fstream>
#include <numbers>

#include "service/demo/mp3_encoder.h"

namespace vexo::service::demo {

namespace fs = std::filesystem;

namespace {

constexpr int kSampleRate = 44100;
// Opus takes 48 kHz only.
constexpr int kOpusSampleRate = 48000;
constexpr double kToneHz = 440.0;
constexpr float kLevel = 0.3f;
constexpr int kMp3Kbps = 128;
constexpr const char* kEncoderCommand = "ffmpeg";

// The ffmpeg codec of each format it encodes.
struct Encoding {
  std::string_view extension;
  const char* codec;
  int sample_rate;
};
constexpr Encoding kEncodings[] = {
    {"flac", "flac", kSampleRate},        {"ogg", "libvorbis", kSampleRate},
    {"opus", "libopus", kOpusSampleRate}, {"m4a", "aac", kSampleRate},
    {"aiff", "pcm_s16be", kSampleRate},   {"wv", "wavpack", kSampleRate},
    {"wma", "wmav2", kSampleRate},
};

std::vector<float> Tone(double seconds, int sample_rate) {
  std::vector<float> samples(static_cast<std::size_t>(seconds * sample_rate));
  for (std::size_t i = 0; i < samples.size(); ++i) {
    samples[i] = kLevel * static_cast<float>(std::sin(2 * std::numbers::pi * kToneHz *
                                                      static_cast<double>(i) / sample_rate));
  }
  return samples;
}

void PutLittle(std::string& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i)
    out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// 16-bit mono PCM in a RIFF WAVE file.
std::string WaveBytes(const std::vector<float>& samples, int sample_rate) {
  const auto data_bytes = static_cast<std::uint32_t>(samples.size() * 2);
  std::string out = "RIFF";
  PutLittle(out, 36 + data_bytes, 4);
  out += "WAVEfmt ";
  PutLittle(out, 16, 4);
  PutLittle(out, 1, 2);  // PCM
  PutLittle(out, 1, 2);  // mono
  PutLittle(out, static_cast<std::uint32_t>(sample_rate), 4);
  PutLittle(out, static_cast<std::uint32_t>(sample_rate * 2), 4);
  PutLittle(out, 2, 2);
  PutLittle(out, 16, 2);
  out += "data";
  PutLittle(out, data_bytes, 4);
  for (const float sample : samples)
    PutLittle(out, static_cast<std::uint32_t>(static_cast<std::int16_t>(sample * 32767)), 2);
  return out;
}

// A Monkey's Audio (version 3.99) descriptor and header for `seconds` of
// 16-bit stereo at 44.1 kHz, followed by filler where the frames would be.
std::string ApeBytes(double seconds) {
  constexpr std::uint32_t kBlocksPerFrame = 73728;
  const auto blocks = static_cast<std::uint32_t>(seconds * kSampleRate);
  const std::uint32_t frames = blocks / kBlocksPerFrame + 1;
  const std::uint32_t final_blocks = blocks % kBlocksPerFrame;
  const std::uint32_t audio_bytes = blocks;  // about 0.7 bits a sample
  std::string out = "MAC ";
  PutLittle(out, 3990, 2);  // version
  PutLittle(out, 0, 2);     // padding
  PutLittle(out, 52, 4);    // descriptor bytes
  PutLittle(out, 24, 4);    // header bytes
  PutLittle(out, 0, 4);     // seek table bytes
  PutLittle(out, 0, 4);     // WAV header bytes
  PutLittle(out, audio_bytes, 4);
  PutLittle(out, 0, 4);     // audio bytes, high word
  PutLittle(out, 0, 4);     // terminating data bytes
  out.append(16, '\0');     // MD5
  PutLittle(out, 2000, 2);  // compression level
  PutLittle(out, 0, 2);     // flags
  PutLittle(out, kBlocksPerFrame, 4);
  PutLittle(out, final_blocks, 4);
  PutLittle(out, frames, 4);
  PutLittle(out, 16, 2);  // bits per sample
  PutLittle(out, 2, 2);   // channels
  PutLittle(out, kSampleRate, 4);
  out.append(audio_bytes, '\x5A');
  return out;
}

bool WriteBytes(const fs::path& file, const std::string& bytes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out.flush());
}

// Runs the encoder from `wave` to `file` without a shell; its exit status.
int RunEncoder(const fs::path& wave, const fs::path& file, const Encoding& encoding) {
  const std::string rate = std::to_string(encoding.sample_rate);
  const std::vector<std::string> args{
      kEncoderCommand, "-nostdin", "-loglevel", "error", "-y",           "-i",
      wave.string(),   "-ar",      rate,        "-c:a",  encoding.codec, file.string()};
  std::vector<char*> argv;
  for (const auto& arg : args)
    argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  const pid_t child = fork();
  if (child < 0) return -1;
  if (child == 0) {
    execvp(kEncoderCommand, argv.data());
    _exit(127);
  }
  int status = 0;
  while (waitpid(child, &status, 0) < 0) {
    if (errno != EINTR) return -1;
  }
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

const std::vector<std::string_view>& ToneFormats() {
  static const std::vector<std::string_view> formats = [] {
    std::vector<std::string_view> all{"mp3", "wav", "ape"};
    for (const auto& encoding : kEncodings)
      all.push_back(encoding.extension);
    return all;
  }();
  return formats;
}

bool WriteTone(const fs::path& file, double seconds, std::string& error) {
  const auto extension = file.extension().string();
  const std::string_view format = extension.empty() ? "" : std::string_view(extension).substr(1);
  if (format == "mp3") {
    if (WriteMp3(file, Tone(seconds, kSampleRate), kSampleRate, kMp3Kbps)) return true;
    error = "LAME could not write " + file.string();
    return false;
  }
  if (format == "wav" || format == "ape") {
    const auto bytes =
        format == "wav" ? WaveBytes(Tone(seconds, kSampleRate), kSampleRate) : ApeBytes(seconds);
    if (WriteBytes(file, bytes)) return true;
    error = "cannot write " + file.string();
    return false;
  }
  for (const auto& encoding : kEncodings) {
    if (encoding.extension != format) continue;
    const fs::path wave = file.string() + ".source.wav";
    if (!WriteBytes(wave, WaveBytes(Tone(seconds, kSampleRate), kSampleRate))) {
      error = "cannot write " + wave.string();
      return false;
    }
    const int status = RunEncoder(wave, file, encoding);
    std::error_code ignored;
    fs::remove(wave, ignored);
    if (status == 0) return true;
    error = std::string(kEncoderCommand) + " could not encode " + file.string() + " (status " +
            std::to_string(status) + ")";
    return false;
  }
  error = "no encoder for " + file.string();
  return false;
}

}  // namespace vexo::service::demo
