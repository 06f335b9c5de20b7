#include "extras/current_row.h"

#include "extras/extras_constants.h"
#include "platform/controls/ui_thread.h"
#include "playback/player_view.h"

namespace vexo {

SongRowCells ReadCurrentRow(const ListView& list) {
  return CallOnUi([&list] {
    SongRowCells cells;
    const int row = list.CurrentRow();
    if (row < 0) return cells;
    cells.name = list.Cell(row, kSongColumnName);
    cells.singer = list.Cell(row, kSongColumnSinger);
    cells.id = list.Cell(row, kSongColumnId);
    cells.url = list.Cell(row, kSongColumnUrl);
    return cells;
  });
}

}  // namespace vexo
