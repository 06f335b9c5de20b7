#include "service/demo/mp3_encoder.h"

#include <lame/lame.h>

#include <fstream>
#include <memory>

namespace vexo::service::demo {

namespace {

// LAME's quality scale runs from 0 (best, slowest) to 9; 7 keeps the build
// quick and still sounds clean for these simple tones.
constexpr int kEncoderQuality = 7;
constexpr int kChunkSamples = 8192;

struct LameDeleter {
  void operator()(lame_global_flags* flags) const { lame_close(flags); }
};

}  // namespace

bool WriteMp3(const std::filesystem::path& file, const std::vector<float>& samples, int sample_rate,
              int kbps) {
  std::unique_ptr<lame_global_flags, LameDeleter> lame(lame_init());
  if (!lame) return false;
  lame_set_in_samplerate(lame.get(), sample_rate);
  lame_set_out_samplerate(lame.get(), sample_rate);
  lame_set_num_channels(lame.get(), 1);
  lame_set_mode(lame.get(), MONO);
  lame_set_brate(lame.get(), kbps);
  lame_set_VBR(lame.get(), vbr_off);
  lame_set_quality(lame.get(), kEncoderQuality);
  // No Xing/LAME info frame: players then take the length from the constant
  // bit rate, which stays exact when they seek by byte offsets.
  lame_set_bWriteVbrTag(lame.get(), 0);
  if (lame_init_params(lame.get()) < 0) return false;

  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  if (!out) return false;
  // LAME's own bound for the output of one call: 1.25 * samples + 7200.
  std::vector<unsigned char> buffer(kChunkSamples * 5 / 4 + 7200);
  for (std::size_t offset = 0; offset < samples.size(); offset += kChunkSamples) {
    const auto count =
        static_cast<int>(std::min<std::size_t>(kChunkSamples, samples.size() - offset));
    const int bytes =
        lame_encode_buffer_ieee_float(lame.get(), samples.data() + offset, nullptr, count,
                                      buffer.data(), static_cast<int>(buffer.size()));
    if (bytes < 0) return false;
    out.write(reinterpret_cast<const char*>(buffer.data()), bytes);
  }
  const int bytes = lame_encode_flush(lame.get(), buffer.data(), static_cast<int>(buffer.size()));
  if (bytes < 0) return false;
  out.write(reinterpret_cast<const char*>(buffer.data()), bytes);
  return static_cast<bool>(out.flush());
}

}  // namespace vexo::service::demo
