#pragma once
// What the catalogue client works on: the controls of the main window it reads
// and writes, and its own state.
#include <deque>
#include <memory>
#include <utility>
#include <vector>

#include "catalogue/service_endpoints.h"
#include "catalogue/song_match.h"
#include "net/regex_matcher.h"
#include "platform/controls/button.h"
#include "platform/controls/edit_box.h"
#include "platform/controls/list_box.h"
#include "platform/controls/list_view.h"
#include "platform/text.h"

namespace vexo {

// The pause after each appended row, so that the list fills row by row and
// the window stays responsive.
inline constexpr int kRowDelayMs = 5;

struct CatalogueView {
  Button& 按钮4;          // 热歌榜
  Button& 按钮5;          // 新歌榜
  Button& 按钮6;          // 老歌榜
  Button& 按钮7;          // 热搜榜
  EditBox& 编辑框1;       // search box
  ListBox& 列表框1;       // suggestion list
  ListView& 超级列表框1;  // song list
};

// Songs waiting for the append under way to finish, and the list they go to.
struct PendingSongs {
  ListView* list;
  std::vector<SongMatch> songs;
};

struct CatalogueState {
  explicit CatalogueState(RegexMatcher& songRegex, ServiceEndpoints serviceEndpoints = {})
      : SongRegex(songRegex), endpoints(std::move(serviceEndpoints)) {}

  // The one pattern object of the program, owned by the global state.
  RegexMatcher& SongRegex;
  // Where requests go.
  ServiceEndpoints endpoints;
  // The address of the chart being loaded, and the last chart or search answer.
  Text ChartUrl;
  Text ResponseText;
  // The pause after each appended row (kRowDelayMs; benchmarks set 0).
  int rowDelayMs = kRowDelayMs;
  // True while rows are being appended; a load that finishes its request in
  // the meantime (through the events the pauses process) queues its songs
  // here, so every list arrives whole, in the order of the requests.
  bool appending = false;
  std::deque<PendingSongs> pending;

  // Requests run on workers; their answers come back to the user-interface
  // thread only while this state lives.
  std::shared_ptr<const int> lifetime = std::make_shared<const int>(0);
  // Chart, search and suggestion requests sent whose answers have not been
  // handled yet.
  int requestsInFlight = 0;
  // The number of the latest suggestion request: an answer to an earlier one
  // arrives too late for the text in the box and is dropped.
  unsigned latestSuggestion = 0;
  // True while a chosen suggestion is put into the search box: that change
  // asks for no suggestions.
  bool takingSuggestion = false;
};

}  // namespace vexo
