#pragma once
// One song record cut out of an answer.
#include "platform/text.h"

namespace vexo {

struct SongMatch {
  Text id;
  Text name;
  Text singer;
  Text url;
};

}  // namespace vexo
