// The service's request targets: the query string decoded and read by every
// text endpoint, the Host header turned into the answers' base address, over
// arbitrary request targets against a small catalogue.
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "service/catalogue_loading.h"
#include "service/catalogue_store.h"
#include "service/endpoints.h"
#include "service/host_address.h"
#include "service/library_view.h"
#include "service/query_string.h"
#include "service/sqlite_store.h"
#include "service/utf8.h"

namespace {

namespace fs = std::filesystem;
using vexo::service::Song;

constexpr const char* kFallbackBase = "http://127.0.0.1:8917";

// Four songs, one with lyrics on disk, two singers with a picture, in a
// store in memory with the cache built from it, as a running service has.
const vexo::service::LibraryView& SmallLibrary() {
  static const vexo::service::LibraryView* view = [] {
    static const vexo::fuzz::ScratchFolder scratch("vexo-fuzz-query");
    const fs::path& folder = scratch.Path();
    std::ofstream(folder / "1.lrc")
        << "[ti:晴天]\n[00:01.00]故事的小黄花\n[00:05.50]\"quoted\" \\n line\n";
    vexo::service::LibraryChanges changes;
    const char* names[] = {"晴天", "Moonlight", "海风", "晴天"};
    const char* singers[] = {"周杰伦", "Band", "林", "陈"};
    for (std::size_t i = 0; i < 4; ++i) {
      vexo::service::StoredSong stored;
      Song& song = stored.song;
      song.id = static_cast<std::int64_t>(i + 1);
      song.name = names[i];
      song.singer = singers[i];
      song.duration_seconds = 30;
      song.bit_rate = 128;
      song.added = "2024-01-01";
      song.audio_file = std::to_string(i + 1) + ".mp3";
      if (i == 0) song.lyrics_file = "1.lrc";
      changes.upserts.push_back(std::move(stored));
    }
    changes.replace_pictures = true;
    changes.pictures = {{"周杰伦", "a.jpg"}, {"Band", "b.png"}};
    static const auto store = vexo::service::SqliteStore::Open({}, false);
    const std::int64_t library = store->OpenLibrary(folder.string());
    store->Apply(library, changes);
    static const auto cache = vexo::service::BuildCatalogue(*store, library, folder);
    return new vexo::service::LibraryView{*cache, *store, library};
  }();
  return *view;
}

// Every answer is a bad-request refusal or a whole answer in UTF-8.
void CheckReply(const vexo::service::TextReply& reply) {
  FUZZ_CHECK(reply.status == 200 || (reply.status >= 400 && reply.status < 500));
  FUZZ_CHECK(!reply.body.empty());
  FUZZ_CHECK(vexo::service::IsValidUtf8(reply.body));
}

// A script answer, besides, is wrapped in the request's callback when it
// names one, and only in a callback that cannot break out of the call.
void CheckScriptReply(const vexo::service::TextReply& reply,
                      const vexo::service::QueryString& query) {
  CheckReply(reply);
  if (reply.status != 200) return;
  const std::string& callback = query.Value("callback");
  FUZZ_CHECK(vexo::service::IsValidCallback(callback));
  if (!callback.empty()) {
    FUZZ_CHECK(reply.body.starts_with(callback + "("));
    FUZZ_CHECK(reply.body.ends_with(")"));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Texts: the request target, then the Host header.
  const auto texts = vexo::fuzz::Texts(data, size, 2);
  const auto base = vexo::service::BaseUrlFromHost(texts[1]);
  if (base) {
    FUZZ_CHECK(base->starts_with("http://"));
    FUZZ_CHECK(base->find_first_of("/?#@ \r\n", 7) == std::string::npos);
  }
  const auto query = vexo::service::QueryString::FromTarget(texts[0]);
  if (!query) return 0;
  const std::string base_url = base.value_or(kFallbackBase);
  const auto& library = SmallLibrary();
  const auto& catalogue = library.cache;

  const auto chart = vexo::service::ChartAnswer(library, *query, base_url);
  CheckReply(chart);
  // The chart is plain JSON for the player's decoder: ASCII on one line.
  if (chart.status == 200) {
    FUZZ_CHECK(vexo::fuzz::IsAscii(chart.body));
    FUZZ_CHECK(chart.body.find('\n') == std::string::npos);
  }
  CheckScriptReply(vexo::service::SearchAnswer(library, *query, base_url), *query);
  CheckScriptReply(vexo::service::SuggestAnswer(library, *query), *query);
  CheckScriptReply(vexo::service::LyricsAnswer(catalogue, *query), *query);
  CheckScriptReply(vexo::service::PictureLookupAnswer(catalogue, *query, base_url), *query);
  return 0;
}
