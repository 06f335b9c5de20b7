#include <benchmark/benchmark.h>

#include <regex>

#include "net/regex_matcher.h"
#include "platform/codepage.h"
#include "song_answer.h"

namespace vexo::bench {
namespace {

// The pattern object on the system code page answer, the way the song list is
// filled: one search, then every group of every match.
void BM_SongPattern_RegexMatcher(benchmark::State& state) {
  const int records = static_cast<int>(state.range(0));
  const Text answer = Utf8ToSystem(testing::SongAnswer(records));
  const Text pattern = Utf8ToSystem(testing::kSongPatternUtf8);
  RegexMatcher matcher;
  for (auto _ : state) {
    matcher.Search(pattern, answer);
    int n = matcher.MatchCount();
    for (int i = 1; i <= n; ++i) {
      for (int g = 1; g <= 4; ++g)
        benchmark::DoNotOptimize(matcher.SubMatchText(i, g));
    }
    if (n != records) state.SkipWithError("wrong match count");
  }
  state.SetLabel(std::to_string(records) + " records");
}
BENCHMARK(BM_SongPattern_RegexMatcher)->Arg(50)->Arg(5000)->Unit(benchmark::kMicrosecond);

// The same pattern with std::regex (ECMAScript grammar, ignoring case) over
// the UTF-8 answer, collecting the same four groups.
void BM_SongPattern_StdRegex(benchmark::State& state) {
  const int records = static_cast<int>(state.range(0));
  const std::string answer = testing::SongAnswer(records);
  const std::regex pattern(testing::kSongPatternUtf8, std::regex::ECMAScript | std::regex::icase);
  for (auto _ : state) {
    int n = 0;
    for (std::sregex_iterator it(answer.begin(), answer.end(), pattern), end; it != end; ++it) {
      for (int g = 1; g <= 4; ++g)
        benchmark::DoNotOptimize((*it)[g].str());
      ++n;
    }
    if (n != records) state.SkipWithError("wrong match count");
  }
  state.SetLabel(std::to_string(records) + " records");
}
BENCHMARK(BM_SongPattern_StdRegex)->Arg(50)->Arg(5000)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vexo::bench
