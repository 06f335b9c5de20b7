#pragma once
// The cells of the song list's current row that the workers read.
#include "extras/song_row_cells.h"
#include "platform/controls/list_view.h"

namespace vexo {

// The cells of the selected row, read together on the user-interface thread
// so that they all belong to one row; empty texts when no row is selected.
SongRowCells ReadCurrentRow(const ListView& list);

}  // namespace vexo
