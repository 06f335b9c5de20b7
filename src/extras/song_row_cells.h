#pragma once
// The cells of one song-list row that the workers read, as plain texts.
#include "platform/text.h"

namespace vexo {

struct SongRowCells {
  Text name;
  Text singer;
  Text id;
  Text url;
};

}  // namespace vexo
