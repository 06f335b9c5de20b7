#include <benchmark/benchmark.h>

#include "catalogue_answer.h"
#include "net/charset_conversion.h"
#include "net/script_unescape.h"
#include "song_answer.h"

namespace vexo::bench {

namespace {

constexpr std::size_t kAnswerBytes = 1 << 20;

void BM_UnescapeScriptText_1MB(benchmark::State& state) {
  const std::string answer = EscapedAnswerOfSize(kAnswerBytes);
  for (auto _ : state)
    benchmark::DoNotOptimize(UnescapeScriptText(answer));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * answer.size()));
}
BENCHMARK(BM_UnescapeScriptText_1MB)->Unit(benchmark::kMillisecond);

void BM_ConvertCharset_1MB(benchmark::State& state) {
  std::string utf8 = testing::SongAnswer(1);
  while (utf8.size() < kAnswerBytes)
    utf8 += testing::SongAnswer(200);
  const ByteSet bytes(utf8.begin(), utf8.end());
  for (auto _ : state)
    benchmark::DoNotOptimize(ConvertCharset(bytes));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_ConvertCharset_1MB)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vexo::bench
