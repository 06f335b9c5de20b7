// The song list under the skin's veil on Qt's offscreen platform: a page down
// through 20,000 rows with the rows repainted at once, against the same list
// without the skin's controls (the platform's white base). Each page down
// repaints the whole viewport: the veiled picture is drawn anew under the
// rows, never copied along with them.
#include <benchmark/benchmark.h>

#include <QScrollBar>
#include <QTableView>
#include <memory>

#include "bench_window.h"
#include "platform/controls/list_view.h"
#include "platform/system_text.h"

namespace vexo {
namespace {

using bench::PlayerLikeWindow;

constexpr int kRows = 20000;

void BM_SongListPageDown(benchmark::State& state) {
  const bool skinned = state.range(0) != 0;
  std::unique_ptr<ListView> list;
  PlayerLikeWindow w(false, skinned, [&](QWidget* window) {
    list = std::make_unique<ListView>("超级列表框1", window,
                                      std::vector<ListColumn>{{Sys("编号"), 60},
                                                              {Sys("歌曲名(双击可播放)"), 230},
                                                              {Sys("歌手"), 60},
                                                              {Sys("ID"), 0},
                                                              {Sys("URL"), 0}});
    list->SetGeometry(8, 189, 376, 427);
    for (int row = 0; row < kRows; ++row) {
      const int at = list->InsertRow();
      list->SetCell(at, 0, Text(std::to_string(row + 1)));
      list->SetCell(at, 1, Sys("献给爱丽丝"));
      list->SetCell(at, 2, Sys("贝多芬"));
    }
  });
  w.window.show();
  QApplication::processEvents();
  auto* table = static_cast<QTableView*>(list->Widget());
  QScrollBar* bar = table->verticalScrollBar();
  int position = 0;
  for (auto _ : state) {
    position = position >= bar->maximum() ? 0 : position + bar->pageStep();
    bar->setValue(position);
    table->viewport()->repaint();
  }
  state.counters["rows"] = list->RowCount();
  state.SetLabel(skinned ? "skin, veil 150" : "platform style");
}
BENCHMARK(BM_SongListPageDown)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vexo
